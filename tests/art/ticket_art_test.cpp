#include "art_test_support.h"

#include "art/art.h"
