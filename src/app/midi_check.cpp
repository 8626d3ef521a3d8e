#include "app/midi_check.h"

#include "app/app_state.h"
#include "midi/midi_api.h"

namespace tarnwick {

bool ReopenMidiPorts(MidiApi& midi, const MidiSettings& settings, int inStatus, int outStatus) {
  bool setupNeeded = false;
  if (inStatus == kPortNeverConfigured) {
    setupNeeded = true;
  } else if (inStatus != 0 && midi.OpenMidiIn(settings.inDevice) != 0) {
    setupNeeded = true;
  }
  if (outStatus == kPortNeverConfigured) {
    setupNeeded = true;
  } else if (outStatus != 0 && midi.OpenMidiOut(settings.outDevice) != 0) {
    setupNeeded = true;
  }
  return setupNeeded;
}

}  // namespace tarnwick
