#include "PageDocument.h"
