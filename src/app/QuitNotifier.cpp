#include "QuitNotifier.h"
#include "QuitListener.h"
#include <algorithm>

CQuitNotifier quitNotifier;

CListenerBase::CListenerBase() {}

CListenerBase::~CListenerBase() {
    for (auto entry = notifiers.begin(); entry != notifiers.end();) {
        auto next = std::next(entry);
        // Disconnect removes this very entry from the list.
        (*entry)->Disconnect(static_cast<CQuitListener*>(this));
        entry = next;
    }
    notifiers.clear();
}

CQuitListener::~CQuitListener() {}

void CQuitListener::OnPreQuit(CQuitNotifier*, int) {}

void CQuitListener::OnQuit(CQuitNotifier*, int) {}

void CQuitNotifier::Connect(CQuitListener* listener) {
    listeners.push_back(listener);
    listener->notifiers.push_back(this);
}

void CQuitNotifier::Disconnect(CQuitListener* listener) {
    listeners.remove(listener);
    auto mine = std::find(listener->notifiers.begin(), listener->notifiers.end(), this);
    if (mine != listener->notifiers.end())
        listener->notifiers.erase(mine);
}

void CQuitNotifier::Notify(Operation operation, int code) {
    for (CQuitListener* listener : listeners)
        (listener->*operation)(this, code);
}
