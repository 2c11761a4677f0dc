#pragma once
#  include "../platform/win32.h"
