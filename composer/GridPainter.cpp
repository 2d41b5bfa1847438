#include "GridPainter.h"
