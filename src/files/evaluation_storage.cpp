#include "files/evaluation_file.h"
#include "text/language.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The reason of a failed system call in the current language.
std::string Reason(std::error_code error)
{
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return Msg("немає дозволу", "нет разрешения");
    if (error == std::errc::no_space_on_device)
        return Msg("диск заповнений", "диск заполнен");
    if (error == std::errc::no_such_file_or_directory)
        return Msg("файл або папку не знайдено", "файл или папка не найдены");
    if (error == std::errc::is_a_directory)
        return Msg("за цим шляхом знаходиться папка", "по этому пути находится папка");
    if (error == std::errc::read_only_file_system)
        return Msg("диск доступний лише для читання", "диск доступен только для чтения");
    if (!error)
        return Msg("помилка введення-виведення", "ошибка ввода-вывода");
    return Msg("системна помилка ", "системная ошибка ") + std::to_string(error.value()) + " (" + error.message() + ")";
}

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

[[noreturn]] void FailSave(const std::string& path, std::error_code error)
{
    throw EFileWrite(Msg("Не вдалося зберегти файл «" + path + "»: ", "Не удалось сохранить файл «" + path + "»: ") +
                     Reason(error));
}

// A new file beside the target, created exclusively under a random name; removed again unless Commit
// renames it over the target.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) : Target(target)
    {
        std::random_device seed;
        std::mt19937_64 random(static_cast<uint64_t>(seed()) << 32 | seed());
        const fs::path targetPath(target);
        for (int attempt = 0; attempt < 16; ++attempt) {
            Path = targetPath;
            Path.replace_filename("." + targetPath.filename().string() + "." + std::to_string(random()) + ".tmp");
            errno = 0;
            File = std::fopen(Path.c_str(), "wbx"); // x: never reuse an existing file
            if (File || errno != EEXIST)
                break;
        }
        if (!File)
            FailSave(Target, LastError());
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile()
    {
        if (File)
            std::fclose(File);
        if (!Committed) {
            std::error_code ignored; // the save has failed already; that failure is what the user sees
            fs::remove(Path, ignored);
        }
    }

    void Write(const std::string& bytes)
    {
        errno = 0;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), File) == bytes.size();
        if (!written || std::fflush(File) != 0)
            FailSave(Target, LastError());
        // The standard library has no fsync; closing and checking is the last word the system gives us.
        const int closed = std::fclose(File);
        File = nullptr;
        if (closed != 0)
            FailSave(Target, LastError());
    }

    void Commit()
    {
        std::error_code error;
        fs::rename(Path, Target, error);
        if (error)
            FailSave(Target, error);
        Committed = true;
    }

  private:
    std::string Target;
    fs::path Path;
    std::FILE* File = nullptr;
    bool Committed = false;
};

} // namespace

std::unique_ptr<TOrmetaCalc> LoadEvaluationFromFile(const std::string& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        throw EFileFormat(Msg("Не вдалося відкрити файл «" + path + "»: ", "Не удалось открыть файл «" + path + "»: ") +
                              Reason(std::make_error_code(std::errc::is_a_directory)),
                          0);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EFileFormat(Msg("Не вдалося відкрити файл «" + path + "»: ", "Не удалось открыть файл «" + path + "»: ") +
                              Reason(LastError()),
                          0);
    return ReadEvaluation(in);
}

void SaveEvaluationToFile(const TOrmetaCalc& calc, const std::string& path)
{
    // Everything is converted and laid out in memory first, so a text that Windows-1251 cannot hold
    // stops the save before the disk is touched.
    std::ostringstream buffer(std::ios::binary);
    WriteEvaluation(calc, buffer);
    TemporaryFile temporary(path);
    temporary.Write(buffer.str());
    temporary.Commit();
}
