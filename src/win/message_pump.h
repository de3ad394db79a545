#pragma once
// Long operations (folder scans, reading large files, file copies) let the window's
// pending messages be handled as they go. Tests install a scripted pump.
namespace tessera::win {

class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Handles pending messages; false once the application is shutting down, so that
    // the operation stops.
    virtual bool ProcessMessages() = 0;
};

// Dispatches pending messages; a WM_QUIT marks the application as shutting down and is
// posted again for the main message loop.
MessagePump& SystemMessagePump();

}  // namespace tessera::win
