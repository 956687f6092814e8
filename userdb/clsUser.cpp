#include "userdb/clsUser.h"
