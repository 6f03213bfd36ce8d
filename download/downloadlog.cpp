#include "downloadlog.h"

#include <cstdarg>

void downloadLog(FILE* log, const char* format, ...)
{
    if (!log) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(log, format, args);
    va_end(args);
    std::fflush(log);
}
