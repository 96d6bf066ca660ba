#include "files/byte_sink.h"

#include "files/evaluation_file.h"
#include "files/line_breaks.h"
#include "text/code_page.h"
#include "text/language.h"

#include <bit>
#include <limits>
#include <ostream>

void ByteSink::Bytes(const char* data, std::size_t count)
{
    Out.write(data, static_cast<std::streamsize>(count));
    if (!Out)
        throw EFileWrite(Msg("Не вдалося записати дані: пристрій не прийняв їх (можливо, диск заповнений)",
                             "Не удалось записать данные: устройство не приняло их (возможно, диск заполнен)"));
}

void ByteSink::Int32(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    Bytes(bytes, sizeof bytes);
}

void ByteSink::Double(double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    Bytes(bytes, sizeof bytes);
}

void ByteSink::Byte(uint8_t value)
{
    const char byte = static_cast<char>(value);
    Bytes(&byte, 1);
}

void ByteSink::Count(std::size_t count)
{
    if (count > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
        throw EFileWrite(Msg("Забагато елементів для запису у файл: " + std::to_string(count),
                             "Слишком много элементов для записи в файл: " + std::to_string(count)));
    Int32(static_cast<int32_t>(count));
}

void ByteSink::Text(const std::string& text, const TextField& field)
{
    const auto bytes = Utf8ToCp1251(ToFileLineBreaks(text));
    if (!bytes)
        throw EFileWrite(Msg(std::string("Поле «") + field.Ukrainian + "» величини «" + field.Owner +
                                 "» містить символ, якого немає в кодуванні Windows-1251; файл не записано",
                             std::string("Поле «") + field.Russian + "» величины «" + field.Owner +
                                 "» содержит символ, которого нет в кодировке Windows-1251; файл не записан"));
    Count(bytes->size());
    Bytes(bytes->data(), bytes->size());
}

void ByteSink::SizedByte(uint8_t value)
{
    Int32(1);
    Byte(value);
}

void ByteSink::SizedInt32(int32_t value)
{
    Int32(4);
    Int32(value);
}

void ByteSink::SizedDouble(double value)
{
    Int32(8);
    Double(value);
}
