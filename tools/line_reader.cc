// Lines are read with std::getline, which returns as soon as one line is
// complete, so input is consumed no faster than it is answered.
// Tested by line_reader_test.cc.

#include "tools/line_reader.h"

namespace tesvar {
namespace cli {

bool LineReader::Next(std::string* line) {
  // getline fails only when it extracted nothing at all, so a final line
  // without "\n" is still returned.
  if (!std::getline(*in_, *line)) return false;
  // A trailing "\r" is a Windows line end, also on an unterminated last
  // line, since editors leave those too.
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

}  // namespace cli
}  // namespace tesvar
