// Property databases of the device: volumes of databases whose records hold typed properties.
// Structs that carry pointers (CEPROPVAL, CEBLOB) are wider on a 64-bit host than on the
// device; their field order and meaning are the device's.
#pragma once

#include "winbase.h"

using CEOID = DWORD;
using PCEOID = CEOID*;
using CEPROPID = DWORD;
using PCEPROPID = CEPROPID*;

// Identifies a mounted database volume.
struct CEGUID {
    DWORD Data1;
    DWORD Data2;
    DWORD Data3;
    DWORD Data4;
};
using PCEGUID = CEGUID*;

// All bits set: "no volume" (starts CeEnumDBVolumes). All bits clear: the object store.
#define CREATE_INVALIDGUID(guid) ((guid)->Data1 = (guid)->Data2 = (guid)->Data3 = (guid)->Data4 = 0xFFFFFFFFu)
#define CREATE_SYSTEMGUID(guid) ((guid)->Data1 = (guid)->Data2 = (guid)->Data3 = (guid)->Data4 = 0u)
#define CHECK_INVALIDGUID(guid) (((guid)->Data1 & (guid)->Data2 & (guid)->Data3 & (guid)->Data4) == 0xFFFFFFFFu)
#define CHECK_SYSTEMGUID(guid) (((guid)->Data1 | (guid)->Data2 | (guid)->Data3 | (guid)->Data4) == 0u)

// ---- Property types: the low word of a property id ---------------------------------------

#define CEVT_I2 2
#define CEVT_I4 3
#define CEVT_R8 5
#define CEVT_BOOL 11
#define CEVT_UI2 18
#define CEVT_UI4 19
#define CEVT_LPWSTR 31
#define CEVT_FILETIME 64
#define CEVT_BLOB 65
// Types of the later database engine: 100, 101 and 103 hold byte blocks (CEBLOB), 102 an
// unsigned 32-bit value.
#define CEVT_STREAM 100
#define CEVT_RECID 101
#define CEVT_AUTO_I4 102
#define CEVT_AUTO_I8 103

#define TypeFromPropID(propid) LOWORD(propid)
#define PropIdFromPropID(propid) HIWORD(propid)
#define MAKEPROPID(number, type) ((static_cast<DWORD>(number) << 16) | static_cast<WORD>(type))

struct CEBLOB {
    DWORD dwCount;
    LPBYTE lpb;
};

union CEVALUNION {
    SHORT iVal;
    USHORT uiVal;
    LONG lVal;
    ULONG ulVal;
    FILETIME filetime;
    LPWSTR lpwstr;
    CEBLOB blob;
    BOOL boolVal;
    double dblVal;
};

// wFlags of a property value.
#define CEDB_PROPNOTFOUND 0x0100 // set by a read: the record has no such property
#define CEDB_PROPDELETE 0x0200 // given to a write: the property is removed

struct CEPROPVAL {
    CEPROPID propid;
    WORD wLenData;
    WORD wFlags;
    CEVALUNION val;
};
using PCEPROPVAL = CEPROPVAL*;

// ---- Database descriptions ---------------------------------------------------------------

#define CEDB_MAXDBASENAMELEN 32
#define CEDB_MAXSORTORDER 4
#define CEDB_MAXSORTPROP 3

#define SORTORDERSPECEX_VERSION 1
#define CEDBASEINFOEX_VERSION 1
#define CEOIDINFOEX_VERSION 1

// Key flags of a sort order and its properties.
#define CEDB_SORT_DESCENDING 0x00000001
#define CEDB_SORT_CASEINSENSITIVE 0x00000002
#define CEDB_SORT_UNKNOWNFIRST 0x00000004
#define CEDB_SORT_GENERICORDER 0x00000008
#define CEDB_SORT_IGNORENONSPACE 0x00000010
#define CEDB_SORT_IGNORESYMBOLS 0x00000020
#define CEDB_SORT_IGNOREKANATYPE 0x00000040
#define CEDB_SORT_IGNOREWIDTH 0x00000080
#define CEDB_SORT_STRINGSORT 0x00000100
#define CEDB_SORT_UNIQUE 0x00000200
#define CEDB_SORT_NONNULL 0x00000400

struct SORTORDERSPECEX {
    WORD wVersion;
    WORD wNumProps;
    WORD wKeyFlags;
    WORD wReserved;
    CEPROPID rgPropID[CEDB_MAXSORTPROP];
    DWORD rgdwFlags[CEDB_MAXSORTPROP];
};

// dwFlags of CEDBASEINFOEX: the low word says which members are valid, the high word holds
// the database's own flags.
#define CEDB_VALIDNAME 0x0001
#define CEDB_VALIDTYPE 0x0002
#define CEDB_VALIDSORTSPEC 0x0004
#define CEDB_VALIDMODTIME 0x0008
#define CEDB_VALIDDBFLAGS 0x0010
#define CEDB_VALIDCREATE (CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS)
#define CEDB_NOCOMPRESS 0x00010000
#define CEDB_SYSTEMDB 0x00020000

struct CEDBASEINFOEX {
    WORD wVersion;
    WORD wNumSortOrder;
    DWORD dwFlags;
    WCHAR szDbaseName[CEDB_MAXDBASENAMELEN];
    DWORD dwDbaseType;
    DWORD dwNumRecords;
    DWORD dwSize;
    FILETIME ftLastModified;
    SORTORDERSPECEX rgSortSpecs[CEDB_MAXSORTORDER];
};
using PCEDBASEINFOEX = CEDBASEINFOEX*;

// ---- Object information ------------------------------------------------------------------

#define OBJTYPE_INVALID 0
#define OBJTYPE_FILE 1
#define OBJTYPE_DIRECTORY 2
#define OBJTYPE_DATABASE 3
#define OBJTYPE_RECORD 4

struct CEFILEINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szFileName[MAX_PATH];
    FILETIME ftLastChanged;
    DWORD dwLength;
};

struct CEDIRINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szDirName[MAX_PATH];
};

struct CERECORDINFO {
    CEOID oidParent;
};

struct CEOIDINFOEX {
    WORD wVersion;
    WORD wObjType;
    union {
        CEFILEINFO infFile;
        CEDIRINFO infDirectory;
        CEDBASEINFOEX infDatabase;
        CERECORDINFO infRecord;
    };
};
using PCEOIDINFOEX = CEOIDINFOEX*;

// ---- Opening, reading and seeking ---------------------------------------------------------

#define CEDB_AUTOINCREMENT 0x00000001 // CeOpenDatabaseEx2: each read moves to the next record
#define CEDB_ALLOWREALLOC 0x00000001 // CeReadRecordPropsEx: the LocalAlloc buffer may be replaced

#define CEDB_SEEK_CEOID 0x00000001
#define CEDB_SEEK_BEGINNING 0x00000002
#define CEDB_SEEK_END 0x00000004
#define CEDB_SEEK_CURRENT 0x00000008

// Change notifications of an open database (accepted and not sent by this device).
#define CEDB_EXNOTIFICATION 0x00000001
struct CENOTIFYREQUEST {
    DWORD dwSize;
    HWND hwnd;
    DWORD dwFlags;
    HANDLE hHeap;
    DWORD dwParam;
};

// ---- Calls -------------------------------------------------------------------------------

WINBASEAPI BOOL CeEnumDBVolumes(PCEGUID pceguid, LPWSTR lpBuf, DWORD dwSize);
WINBASEAPI BOOL CeFlushDBVol(PCEGUID pceguid);

WINBASEAPI HANDLE CeFindFirstDatabaseEx(PCEGUID pceguid, DWORD dwDbaseType);
WINBASEAPI CEOID CeFindNextDatabaseEx(HANDLE hEnum, PCEGUID pceguid);
WINBASEAPI BOOL CeOidGetInfoEx(PCEGUID pceguid, CEOID oid, CEOIDINFOEX* oidInfo);

WINBASEAPI CEOID CeCreateDatabaseEx2(PCEGUID pceguid, CEDBASEINFOEX* pInfo);
WINBASEAPI BOOL CeDeleteDatabaseEx(PCEGUID pceguid, CEOID oid);
WINBASEAPI HANDLE CeOpenDatabaseEx2(
    PCEGUID pceguid, PCEOID poid, LPWSTR lpszName, SORTORDERSPECEX* pSort, DWORD dwFlags, CENOTIFYREQUEST* pRequest);
WINBASEAPI BOOL CeGetDBInformationByHandle(HANDLE hDbase, CEDBASEINFOEX* lpDBInfo);

WINBASEAPI CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, LPWORD lpcPropID, CEPROPID* rgPropID,
    LPBYTE* lplpBuffer, LPDWORD lpcbBuffer, HANDLE hHeap);
WINBASEAPI CEOID CeWriteRecordProps(HANDLE hDbase, CEOID oidRecord, WORD cPropID, CEPROPVAL* rgPropVal);
WINBASEAPI BOOL CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord);
WINBASEAPI CEOID CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD dwValue, WORD wNumVals, LPDWORD lpdwIndex);
