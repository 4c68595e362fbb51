#include "support/ContentFixture.h"
