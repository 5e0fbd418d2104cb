#include "Models/AudioCodingModeDefinition.h"

AudioCodingModeDefinition::AudioCodingModeDefinition()
    : EnumeratedDefinition("Audio Coding Mode", {
          "1+1: Left, Right",
          "1/0: Center",
          "2/0: Left, Right",
          "3/0: Left, Center, Right",
          "2/1: Left, Right, Surround",
          "3/1: Left, Center, Right, Surround",
          "2/2: Left, Right, Left Surround, Right Surround",
          "3/2: Left, Center, Right, Left Surround, Right Surround",
      })
{
}
