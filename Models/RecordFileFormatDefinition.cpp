#include "Models/RecordFileFormatDefinition.h"

RecordFileFormatDefinition::RecordFileFormatDefinition()
    : EnumeratedDefinition("Record File Format", {
          "Normal, including time code",
          "Normal",
          "PC format",
      })
{
}
