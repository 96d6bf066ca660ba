#include "files/byte_cursor.h"

#include "files/evaluation_file.h"
#include "files/line_breaks.h"
#include "text/code_page.h"
#include "text/language.h"

#include <bit>
#include <cmath>

std::size_t ByteCursor::Take(uint64_t count)
{
    if (count > Left())
        Fail("Файл закінчився передчасно", "Файл закончился преждевременно", Position);
    const std::size_t start = Position;
    Position += static_cast<std::size_t>(count);
    return start;
}

int32_t ByteCursor::Int32()
{
    const std::size_t at = Take(4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(Bytes[at + i]);
    return static_cast<int32_t>(value);
}

double ByteCursor::Double()
{
    const std::size_t at = Take(8);
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(Bytes[at + i]);
    const double value = std::bit_cast<double>(bits);
    if (!std::isfinite(value))
        Fail("Число у файлі не скінченне (NaN або нескінченність)", "Число в файле не конечно (NaN или бесконечность)",
             at);
    return value;
}

uint8_t ByteCursor::Byte()
{
    return static_cast<uint8_t>(Bytes[Take(1)]);
}

std::string ByteCursor::Text()
{
    const uint64_t lengthOffset = Position;
    const int32_t length = Int32();
    if (length < 0)
        Fail("Від'ємна довжина тексту: " + std::to_string(length),
             "Отрицательная длина текста: " + std::to_string(length), lengthOffset);
    if (static_cast<uint64_t>(length) > Left())
        Fail("Довжина тексту " + std::to_string(length) + " більша за решту файлу (" + std::to_string(Left()) +
                 " байт)",
             "Длина текста " + std::to_string(length) + " больше остатка файла (" + std::to_string(Left()) + " байт)",
             lengthOffset);
    const std::size_t at = Take(static_cast<uint64_t>(length));
    return Cp1251ToUtf8(FromFileLineBreaks(std::string(Bytes.substr(at, static_cast<std::size_t>(length)))));
}

void ByteCursor::ExpectSize(int32_t width)
{
    const uint64_t sizeOffset = Position;
    const int32_t size = Int32();
    if (size != width)
        Fail("Розмір поля " + std::to_string(size) + " замість " + std::to_string(width),
             "Размер поля " + std::to_string(size) + " вместо " + std::to_string(width), sizeOffset);
}

uint8_t ByteCursor::SizedByte()
{
    ExpectSize(1);
    return Byte();
}

int32_t ByteCursor::SizedInt32()
{
    ExpectSize(4);
    return Int32();
}

double ByteCursor::SizedDouble()
{
    ExpectSize(8);
    return Double();
}

int32_t ByteCursor::CheckCount(int32_t count, uint64_t countOffset, uint64_t bytesEach) const
{
    if (count < 0)
        Fail("Від'ємна кількість: " + std::to_string(count), "Отрицательное количество: " + std::to_string(count),
             countOffset);
    if (bytesEach != 0 && static_cast<uint64_t>(count) > Left() / bytesEach)
        Fail("Кількість " + std::to_string(count) + " не вміщується в решту файлу (" + std::to_string(Left()) +
                 " байт)",
             "Количество " + std::to_string(count) + " не помещается в остаток файла (" + std::to_string(Left()) +
                 " байт)",
             countOffset);
    return count;
}

void ByteCursor::Fail(const std::string& ukrainian, const std::string& russian, uint64_t offset) const
{
    throw EFileFormat(Msg(ukrainian, russian) + " (байт " + std::to_string(offset) + ")", offset);
}
