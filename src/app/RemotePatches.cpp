#include "Frame.h"
#include "RemoteConnection.h"

bool CFrame::StartRemote(RemoteProtocol protocol, const RemoteTarget& target) {
    remote.reset(new CRemoteConnection(instance, this, protocol, target));
    return remote->Start();
}

void CFrame::OnRemoteStatus(const std::string& text) {
    status = text;
    ScreenContent next = content;
    next.label = status;
    ::KillTimer(handle, labelTimer);
    ApplyContent(next, false);
}

// The software's picture wins over a timed run and the help, and nothing lies over a measured patch.
void CFrame::OnRemotePatch(const RemotePatch& patch) {
    StopTimedRun();
    ::KillTimer(handle, labelTimer);
    status.clear();
    ScreenContent next = content;
    next.mode = patternRemote;
    next.remote = patch;
    next.label.clear();
    next.overlay = false;
    ApplyContent(next, false);
}

void CFrame::OnRemoteIgnored(const std::string& why) {
    ScreenContent next = content;
    next.label = "ignored: " + why;
    ApplyLabelled(next, false);
}
