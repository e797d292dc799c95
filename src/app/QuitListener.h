#pragma once
#include "ListenerBase.h"

// A listener of the quit notifier: told OnPreQuit and then OnQuit when the program is to end.
class CQuitListener : public CListenerBase {
  public:
    ~CQuitListener() override = 0;
    virtual void OnPreQuit(CQuitNotifier* notifier, int code);
    virtual void OnQuit(CQuitNotifier* notifier, int code);
};
