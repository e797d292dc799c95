#pragma once
#include <windows.h>
#include <functional>
#include <vector>

// The handles the program's loop waits on beside its messages (a screen's frame timer, the event a
// screen's vertical blanks set), each with what it does when signalled. One list for the thread that
// runs the windows; whoever adds a handle removes it before closing it.
class CWaits {
  public:
    static CWaits& Thread();

    void Add(HANDLE handle, std::function<void()> action);
    void Remove(HANDLE handle);
    // Waits until a message comes or a handle is signalled, and runs that handle's action.
    void Wait();
    // Runs the action of every handle signalled now, without waiting; how many ran.
    int RunSignalled();
    size_t Count() const { return handles.size(); }

  private:
    void Run(size_t index);

    std::vector<HANDLE> handles;
    std::vector<std::function<void()>> actions;
};
