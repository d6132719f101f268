#include "settings/XdgAutostartRegistration.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "common/Translate.h"
#include "common/UniqueFd.h"
#include "settings/AutostartEntry.h"
#include "settings/ConfigHome.h"

namespace bytelora {

namespace {

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    void Keep() { path_.clear(); }

  private:
    std::string path_;
};

// What Bytelora could not do, each told in the user's language.
constexpr char kWriteEntry[] =
    BYTELORA_TEXT_NOOP("bytelora::Settings", "write its autostart entry");
constexpr char kPutEntryInPlace[] =
    BYTELORA_TEXT_NOOP("bytelora::Settings", "put its autostart entry in place");
constexpr char kFindProgram[] =
    BYTELORA_TEXT_NOOP("bytelora::Settings", "find its own program file");
constexpr char kMakeFolder[] =
    BYTELORA_TEXT_NOOP("bytelora::Settings", "make the autostart folder");
constexpr char kRemoveEntry[] =
    BYTELORA_TEXT_NOOP("bytelora::Settings", "remove its autostart entry");

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& where,
                       const std::string& reason) {
    throw StartupRegistrationError(
        FillIn(Translate("bytelora::Settings", "Bytelora could not %1: %2: %3."),
               {Translate("bytelora::Settings", what.c_str()), where.string(), reason}));
}

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& where, int error) {
    Fail(what, where, std::strerror(error));
}

void WriteAll(int fd, const std::string& text, const std::string& tempPath) {
    std::size_t written = 0;
    while (written < text.size()) {
        const auto n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(kWriteEntry, tempPath, errno);
        }
        written += static_cast<std::size_t>(n);
    }
}

void WriteFileReplacing(const std::filesystem::path& target, const std::string& text) {
    const auto folder = target.parent_path();
    // Built up in place: g++ 12 at -O3 misreads "." + std::string as an overlapping copy.
    std::string hidden(1, '.');
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (folder / hidden).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    UniqueFd fd(::mkstemp(name.data()));
    if (!fd.Valid()) Fail(kWriteEntry, folder, errno);
    TemporaryFile temp(name.data());

    WriteAll(fd.Get(), text, temp.path());
    // mkstemp makes the file private; an autostart entry is readable like any other.
    if (::fchmod(fd.Get(), 0644) != 0) Fail(kWriteEntry, temp.path(), errno);
    if (::fsync(fd.Get()) != 0) Fail(kWriteEntry, temp.path(), errno);
    if (const int error = fd.Close(); error != 0) {
        Fail(kWriteEntry, temp.path(), error);
    }
    if (::rename(temp.path().c_str(), target.c_str()) != 0) {
        Fail(kPutEntryInPlace, target, errno);
    }
    temp.Keep();

    // Makes the rename itself durable; the entry is complete either way, so a folder
    // that cannot be synced is no failure.
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

std::filesystem::path XdgAutostartRegistration::EntryPath() const {
    const auto home = configHome_ ? *configHome_ : UserConfigHome();
    if (home.empty()) {
        throw StartupRegistrationError(
            Translate("bytelora::Settings",
                      "Bytelora could not find the folder for autostart entries: neither "
                      "XDG_CONFIG_HOME nor HOME names one."));
    }
    return home / "autostart" / kAutostartEntryName;
}

void XdgAutostartRegistration::Register(const std::filesystem::path& program) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(program, ec);
    if (ec) Fail(kFindProgram, program, ec.message());
    const auto text = AutostartEntryText(absolute);

    const auto entry = EntryPath();
    std::filesystem::create_directories(entry.parent_path(), ec);
    if (ec) Fail(kMakeFolder, entry.parent_path(), ec.message());
    WriteFileReplacing(entry, text);
}

void XdgAutostartRegistration::Unregister(const std::filesystem::path&) {
    const auto entry = EntryPath();
    if (::unlink(entry.c_str()) == 0) return;
    // Not there, or its folder is not there (a file in its place): nothing starts.
    if (errno == ENOENT || errno == ENOTDIR) return;
    // A folder where the entry should be is not ours to delete; say so.
    Fail(kRemoveEntry, entry, errno);
}

std::unique_ptr<StartupRegistration> MakeSystemStartupRegistration() {
    return std::make_unique<XdgAutostartRegistration>();
}

}  // namespace bytelora
