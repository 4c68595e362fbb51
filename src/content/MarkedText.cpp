#include "content/MarkedText.h"
