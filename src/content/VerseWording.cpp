#include "content/Books.h"
