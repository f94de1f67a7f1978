// The experiment-interface board as the program sees it: seven operations on 32-bit
// integers. The simulated board, a board library found in Velden, or the USB backend
// stand behind it.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/texts.h"

namespace tessaro {

class Board {
 public:
  virtual ~Board() = default;

  // Returns `address` on success; any other value means no board answered.
  virtual int32_t OpenDevice(int32_t address) = 0;
  virtual void CloseDevice() = 0;
  // Low 8 bits: the input value 0..255. Channel 1 or 2.
  virtual int32_t ReadAnalogChannel(int32_t channel) = 0;
  virtual void OutputAnalogChannel(int32_t channel, int32_t value) = 0;
  virtual void SetDigitalChannel(int32_t channel) = 0;
  virtual void ClearDigitalChannel(int32_t channel) = 0;
  // High when the low 8 bits equal 1. Channel 1..5.
  virtual int32_t ReadDigitalChannel(int32_t channel) = 0;

  // A message for the user about the board that the calls themselves cannot return (a
  // board that stopped answering), or none. Each is handed out once.
  virtual Message TakeNotice() { return {}; }
  // After an OpenDevice(`address`) that failed: what the board's side can tell about why,
  // one finding per sentence, or none.
  virtual Message NoBoardReason(int32_t /*address*/) { return {}; }
};

}  // namespace tessaro
