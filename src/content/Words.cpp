#include "content/Words.h"
