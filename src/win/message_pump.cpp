#include "win/message_pump.h"

#include <windows.h>

#include <chrono>

namespace tessera::win {
namespace {

class SystemPump final : public MessagePump {
  public:
    // Looking at the queue costs a call into the window server, which a scan would pay
    // for each of tens of thousands of entries; every 10 ms keeps the window as lively.
    bool ProcessMessages() override {
        const auto now = std::chrono::steady_clock::now();
        if (terminated_ || now - last_ < std::chrono::milliseconds(10)) return !terminated_;
        last_ = now;
        MSG msg;
        while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                terminated_ = true;
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return !terminated_;
    }

  private:
    std::chrono::steady_clock::time_point last_{};
    bool terminated_ = false;
};

}  // namespace

MessagePump& SystemMessagePump() {
    static SystemPump pump;
    return pump;
}

}  // namespace tessera::win
