#pragma once
// A test-side writer of evaluation-file primitives, kept apart from the program's writer so that
// fixtures built with it check the format independently. Texts are given as Windows-1251 bytes.
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

class FileBytes {
  public:
    FileBytes& Int32(int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            Data += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
        return *this;
    }
    FileBytes& Double(double value)
    {
        for (int i = 0; i < 8; ++i)
            Data += static_cast<char>((std::bit_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
        return *this;
    }
    FileBytes& Byte(uint8_t value)
    {
        Data += static_cast<char>(value);
        return *this;
    }
    FileBytes& Raw(std::string_view bytes)
    {
        Data += bytes;
        return *this;
    }
    FileBytes& Text(std::string_view cp1251) { return Int32(static_cast<int32_t>(cp1251.size())).Raw(cp1251); }
    FileBytes& SizedByte(uint8_t value) { return Int32(1).Byte(value); }
    FileBytes& SizedInt32(int32_t value) { return Int32(4).Int32(value); }
    FileBytes& SizedDouble(double value) { return Int32(8).Double(value); }

    // Five texts, coverage method and level, then the four counts and the matrix dimension (no elements).
    FileBytes& EvaluationHead(std::string_view name, int32_t nA, int32_t nB, int32_t nN, int32_t nG, int32_t d)
    {
        Text("").Text("").Text("").Text(name).Text("");
        SizedByte(0).SizedDouble(0.95);
        return Int32(nA).Int32(nB).Int32(nN).Int32(nG).Int32(d);
    }
    FileBytes& InputHead(std::string_view name) { return Text("").Text("").Text(name); }

    const std::string& Bytes() const { return Data; }
    std::size_t Size() const { return Data.size(); }

  private:
    std::string Data;
};
