#pragma once
#include "RemotePatch.h"
#include <string>

// What a connection to calibration software reports to whoever shows its pictures.
class CRemoteListener {
  public:
    // Where the connection stands, for the first screen: "Waiting for HOST:PORT", "Connected to
    // HOST:PORT", or nothing once pictures come (no text may lie over a patch being measured).
    virtual void OnRemoteStatus(const std::wstring& status) = 0;
    // The software asks for this picture.
    virtual void OnRemotePatch(const RemotePatch& patch) = 0;
    // A message that asked for nothing the program can show; the picture stays.
    virtual void OnRemoteIgnored(const std::wstring& why) = 0;

  protected:
    ~CRemoteListener() = default;
};
