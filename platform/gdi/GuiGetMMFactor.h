#pragma once
// Logical units of a device context per millimetre on its device: 10 under
// MM_LOMETRIC on any device, the device's pixels per millimetre under MM_TEXT
// (3.78 on a 96-dpi screen, 23.6 on a 600-dpi printer). With GuiPTS10toMM of
// the common library it turns a pen width in tenths of a point into logical units.
class CDC;

double GuiGetMMFactor(const CDC& dc);
