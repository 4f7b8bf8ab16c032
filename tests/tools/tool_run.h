// Running one of the content tools as a user does, and what it left.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ovta::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun runTool(const char* program, const QStringList& args)
{
    QProcess p;
    p.start(QString::fromUtf8(program), args);
    ToolRun run;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = p.exitCode();
    run.out = p.readAllStandardOutput().toStdString();
    run.err = p.readAllStandardError().toStdString();
    return run;
}

inline QString qpath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace ovta::test
