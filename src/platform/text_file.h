// The file replacement's former header, kept until the window's tests include
// platform/file_replacement.h.
#pragma once

#include "platform/file_replacement.h"
