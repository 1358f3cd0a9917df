// The settings store behind modRegistry: keys (a root plus a "\"-separated subkey path) holding
// typed values, kept per user in one text file in the regedit export style (RegistryText.h).
//
// The file is $XDG_CONFIG_HOME/Noorvale/registry.reg ($HOME/.config when XDG_CONFIG_HOME is not
// set). It is read once and kept in memory; a read notices when the file changed on disk
// (another process wrote it) and reads it again. Every change is written at once (or, inside a
// RegBatch, when the batch ends) and atomically: a temporary file in the same folder, flushed
// to the disk, then renamed over the store, under a lock so that two processes never lose each
// other's writes. A kill at any moment leaves either the old or the new file. A store that is a
// symbolic link is written through it: the file it points to is replaced, the link stays.
//
// A write that fails (a read-only folder, a full disk) leaves the file as it was and loses
// nothing: the changes stay in memory, over whatever the file holds, and go with the next write,
// the next change or saveNow(). The user is told once, when a run of failures begins.
//
// A damaged file never stops the program: the lines that parse are used, however large the file
// (it is read line by line, and a line too long to be a value is passed over as it is read), the
// rest reads as missing, and before the first write replaces it the damaged file is set aside,
// not copied, as registry.reg.damaged-YYYYMMDD-HHMMSS. Only HKEY_CURRENT_USER is stored; HKEY_LOCAL_MACHINE
// reads find nothing and writes to it fail.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "RegistryText.h"
#include "modRegistry.h"

namespace nv {

// Status codes of a write (the platform's numbers).
inline constexpr int32_t ERROR_SUCCESS = 0;
inline constexpr int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr int32_t ERROR_WRITE_FAULT = 29;

// A write of the store that failed: the file and why (an errno value).
struct SaveFailure {
    std::string file;
    int error = 0;
};

class RegistryStore {
public:
    // The one store of the process.
    static RegistryStore& instance();

    // Where the store lives unless setFile chose another file:
    // $XDG_CONFIG_HOME/Noorvale/registry.reg, or $HOME/.config/Noorvale/registry.reg.
    static std::string defaultFile();

    // Points the store at another file (tests, noorvale-times --store); an empty path goes back
    // to the default file. The next access reads the new file. Returns the previous choice.
    std::string setFile(const std::string& path);
    // The file in use now.
    std::string file();

    // The value, or nothing when the key or the value does not exist (HKEY_LOCAL_MACHINE: never).
    std::optional<RegData> query(HKEY root, const std::string& subKey, const std::string& name);
    bool keyExists(HKEY root, const std::string& subKey);
    // Creates the key and its missing parents and sets the value, then writes the file.
    // Returns ERROR_SUCCESS or a non-zero status; a value that is already stored as given
    // is not written again.
    int32_t set(HKEY root, const std::string& subKey, const std::string& name, const RegData& data);

    // Groups the writes of one save (a dialog's OK, a window closing): until the outermost
    // batch ends, set() changes only what is in memory, and other processes' writers wait;
    // then the file is written once, atomically. Use it through RegBatch.
    void beginBatch();
    int32_t endBatch();

    // What the last reading of the file found.
    RegLoadReport lastLoad();

    // True while changes made in this process have not reached the file.
    bool unsaved();
    // Why the last write failed (an errno value); 0 when it did not.
    int lastSaveError();
    // Writes the changes not saved yet (a retry); ERROR_SUCCESS when none are left.
    int32_t saveNow();

    // Tells the user that a write failed, once a run of failures begins: called outside the
    // store's lock. Without a handler the failure goes to MsgBox. Returns the previous handler.
    using SaveFailureHandler = std::function<void(const SaveFailure&)>;
    SaveFailureHandler setSaveFailureHandler(SaveFailureHandler handler);
    // The sentence that tells it, in the program's language.
    static std::string saveFailureText(const SaveFailure& failure);

    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

private:
    RegistryStore() = default;
    struct FileStamp {
        bool exists = false;
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        int64_t mtimeNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const struct stat& st);
    static FileStamp stampOf(const std::string& path);
    struct Change {
        std::string key, name;
        RegData data;
    };
    std::string currentPathLocked();
    void refreshLocked();
    void takeLockLocked();
    // Writes the tree, then forgets the changes it holds; on failure keeps them and notes why.
    int32_t writeLocked(const std::string& path);
    int writeFileLocked(const std::string& path);  // 0 or an errno value
    void releaseLockLocked();
    // After a write: the failure to tell the user about, if this one begins a run of them.
    std::optional<SaveFailure> failureToTellLocked(int32_t status);
    void tell(const std::optional<SaveFailure>& failure);

    std::mutex mutex_;
    std::string chosenFile_;   // set by setFile; empty: the default file
    std::string loadedPath_;   // the file the tree was read from
    FileStamp loadedStamp_;
    bool loaded_ = false;
    bool damagedOnDisk_ = false;  // the file on disk (loadedStamp_) is damaged and not yet kept aside
    RegLoadReport report_;
    RegTree tree_;
    // The writers' lock (a lock file beside the store), held through one write or one batch.
    bool holding_ = false;
    int lockFd_ = -1;
    std::string heldPath_;
    int batchDepth_ = 0;
    std::vector<Change> unsaved_;  // changes the file does not hold yet (a batch's, or a failed write's)
    int failedError_ = 0;          // why the last write failed; 0 once one succeeds
    bool told_ = false;            // the user knows of the failures since the last good write
    SaveFailureHandler failureHandler_;
};

// While it lives, the store's writes wait, and reach the disk together when it ends.
class RegBatch {
public:
    RegBatch() { RegistryStore::instance().beginBatch(); }
    ~RegBatch() { RegistryStore::instance().endBatch(); }
    RegBatch(const RegBatch&) = delete;
    RegBatch& operator=(const RegBatch&) = delete;
};

}  // namespace nv
