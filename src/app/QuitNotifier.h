#pragma once
#include <list>

class CQuitListener;

// The process-wide quit notification: an ordered list of listeners, each told in connection order.
class CQuitNotifier {
  public:
    using Operation = void (CQuitListener::*)(CQuitNotifier*, int);

    void Connect(CQuitListener* listener);
    void Disconnect(CQuitListener* listener);
    void Notify(Operation operation, int code);

    std::list<CQuitListener*> listeners;
};

// The one quit notifier of the process, alive before WinMain starts and after it returns.
extern CQuitNotifier quitNotifier;
