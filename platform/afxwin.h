// The framework as the program sees it: one header for all of it.
#pragma once

#include "CCmdTarget.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CFile.h"
#include "CFileDialog.h"
#include "CFileException.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"
#include "CTime.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "MessageMap.h"
#include "runtime.h"
#include "wintypes.h"
