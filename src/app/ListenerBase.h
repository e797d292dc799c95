#pragma once
#include <list>

class CQuitNotifier;

// Keeps the notifiers a listener is connected to, and disconnects from all of them when it goes.
class CListenerBase {
  public:
    CListenerBase();
    virtual ~CListenerBase();
    CListenerBase(const CListenerBase&) = delete;
    CListenerBase& operator=(const CListenerBase&) = delete;

    std::list<CQuitNotifier*> notifiers;
};
