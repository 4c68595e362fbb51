#include "content/QuestionTypes.h"
