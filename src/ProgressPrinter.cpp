#include "ProgressPrinter.h"

#include "ListReader.h"
#include "ProgressMemory.h"

#include <cstdlib>

int PrintListProgress(const CString& path)
{
    if (!CProgressMemory::IsSwitchedOn()) {
        WriteConsoleLine(AfxTranslate("ProgressPrinter", "memory is off"));
        return EXIT_SUCCESS;
    }
    const ListReadAside list = ReadList(path);
    CString strError;
    if (list.read == ListRead::NotOpened)
        strError.Format(AfxTranslate("ProgressPrinter", "Cannot open the file \"%s\"."), path);
    else if (!list.strProblem.IsEmpty())
        strError.Format(AfxTranslate("ProgressPrinter", "Cannot open \"%s\": %s"), path,
                        list.strProblem);
    else if (list.read == ListRead::Broken)
        strError.Format(AfxTranslate("ProgressPrinter", "Cannot read the file \"%s\"."), path);
    if (!strError.IsEmpty()) {
        WriteConsoleLine(strError, stderr);
        return EXIT_FAILURE;
    }
    return CProgressMemory::PrintProgress(list.words, list.meanings);
}
