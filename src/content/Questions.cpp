#include "content/Questions.h"
