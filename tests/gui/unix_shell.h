// Runs a shell script of the Linux host from a test under Wine, for the
// checks that need host tools (reading printed PDFs back, making a place that
// even root cannot write to). Only under Wine; elsewhere Available() is false.
#pragma once

#include <string>

class UnixShell {
public:
    // `workDir` is a Windows folder the scripts and their outputs live in.
    explicit UnixShell(const std::string& workDir);

    // True under Wine, where host programs can be started.
    bool Available() const { return !unixWorkDir_.empty(); }

    // The host's name for a Windows path ("" when it has none).
    static std::string UnixPath(const std::string& windowsPath);

    // Runs `script` with /bin/sh in the work folder (its own folder, on the
    // host side) and waits up to `timeoutSeconds` for it to end. Returns its
    // exit status, or -1 when it could not be started or did not end in time.
    // What the script prints is in Output().
    int Run(const std::string& script, int timeoutSeconds = 60);
    const std::string& Output() const { return output_; }

    // The work folder as the host names it (quoted for the shell).
    std::string HostDir() const { return "'" + unixWorkDir_ + "'"; }

private:
    std::string workDir_;
    std::string unixWorkDir_;
    std::string output_;
    int serial_ = 0;
};
