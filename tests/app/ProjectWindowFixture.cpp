#include "ProjectWindowFixture.h"

IMPLEMENT_DYNCREATE(ProjectTestView, CView)
