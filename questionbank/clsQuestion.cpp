#include "questionbank/clsQuestion.h"
