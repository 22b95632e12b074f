#include "files/file_errors.h"

std::string ReadErrorText(const std::string& path, const std::string& reason)
{
    return "ファイル「" + path + "」を読めません：" + reason;
}

std::string WriteErrorText(const std::string& path, const std::string& reason)
{
    return "ファイル「" + path + "」に書き込めません：" + reason;
}

std::string RefusedFileText(const std::string& path, const std::string& reason)
{
    return "ファイル「" + path + "」は問題ファイルではありません：" + reason;
}
