#pragma once
// The download's log lines: written and flushed at once, so a crash loses
// none; nothing is written without a log. Lines never carry a full S.I.N.

#include <cstdio>

void downloadLog(FILE* log, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
