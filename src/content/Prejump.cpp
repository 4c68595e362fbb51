#include "content/Prejump.h"
