#pragma once
// Starting the Qt application loads plugins whose code may leave the upper
// halves of the 256-bit vector registers in use. Until they are cleared, every
// SSE instruction of the numerics (and of libm) pays a state transition on
// processors that track it, which makes the program's arithmetic several
// times slower than the same code in a plain process.

// Clears the upper halves of the vector registers where the processor has
// them; does nothing elsewhere. Cheap: call it after the application object
// exists.
void AfxClearUpperVectorState();
