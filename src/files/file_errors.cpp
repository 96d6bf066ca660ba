#include "files/evaluation_file.h"

EFileFormat::EFileFormat(const std::string& message, uint64_t offset) : std::runtime_error(message), Offset(offset) {}
