#pragma once
// The wait cursor while a worker thread waits on a service. The cursor
// belongs to the GUI thread: from a worker the request is queued to it (never
// waited for, so a GUI thread waiting on the worker cannot deadlock); without
// a GUI application nothing is asked.

class WaitCursorRequest
{
public:
    WaitCursorRequest();
    ~WaitCursorRequest();
    WaitCursorRequest(const WaitCursorRequest&) = delete;
    WaitCursorRequest& operator=(const WaitCursorRequest&) = delete;
};
