#pragma once
// Reads the primitives of an evaluation file from bytes held in memory. Every length, count and
// size is checked against the bytes that are left before anything is read or allocated; a check
// that fails raises EFileFormat naming the problem and its byte offset.
#include <cstdint>
#include <string>
#include <string_view>

class ByteCursor {
  public:
    explicit ByteCursor(std::string_view bytes) : Bytes(bytes) {}

    uint64_t Offset() const { return Position; }
    uint64_t Left() const { return Bytes.size() - Position; }

    int32_t Int32();
    // Refuses NaN and infinity: the program never stores them.
    double Double();
    uint8_t Byte();
    // Length and Windows-1251 bytes, returned as UTF-8 with "\n" line breaks.
    std::string Text();

    // A size prefix that must equal the width of the value after it.
    void ExpectSize(int32_t width);
    uint8_t SizedByte();
    int32_t SizedInt32();
    double SizedDouble();

    // A count of items of at least bytesEach bytes each: neither negative nor more than what is left can
    // hold. With bytesEach 0 only the sign is checked (the caller checks the size of what follows).
    int32_t CheckCount(int32_t count, uint64_t countOffset, uint64_t bytesEach) const;

    // Ends the read: the message in the current language, then the byte offset.
    [[noreturn]] void Fail(const std::string& ukrainian, const std::string& russian, uint64_t offset) const;

  private:
    // Fails unless count bytes are left; returns the position of the first.
    std::size_t Take(uint64_t count);

    std::string_view Bytes;
    std::size_t Position = 0;
};
