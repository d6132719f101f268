#pragma once

#include "common/UniqueFd.h"

namespace bytelora {

// Tells whether anything about the kernel's links may have changed since it was last
// asked: a netlink socket subscribed to the link notifications (a link added, removed,
// renamed, brought up or down, given a new address or MTU), read without ever waiting.
class LinuxLinkWatch {
  public:
    enum class News { Quiet, Changed };

    // Subscribes; false when the socket cannot be made, and then Valid() stays false.
    bool Open();
    bool Valid() const { return socket_.Valid(); }
    void Close() { socket_.Reset(); }

    // Reads and drops everything queued. Changed when there was a notification, or the
    // queue overran and some were lost, or the socket failed (it is closed then: what
    // it missed can't be known).
    News Drain();

  private:
    UniqueFd socket_;
};

}  // namespace bytelora
