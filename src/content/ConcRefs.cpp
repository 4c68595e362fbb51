#include "content/ConcRefs.h"
