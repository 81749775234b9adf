// Temporary: entry points until the store's modules land (each reports
// "store not started").
#include "isam/dberrors.h"
#include "isam/isam.h"

namespace isam {
bool IsamOK = false;
std::int32_t IsamError = 10455;
std::int32_t IsamDOSError = 0;
std::uint16_t IsamDOSFunc = 0;
std::int32_t BTFLockMgrError = 0;
static void Fail() { IsamOK = false; IsamError = 10455; }
void IsamClearOK() { IsamOK = true; IsamError = 0; IsamDOSError = 0; IsamDOSFunc = 0; }
std::int32_t BTIsamErrorClass() { return IsamError == 0 ? 0 : 4; }
void BTNoCharConvert(void*, std::int32_t, bool, void*) {}
void BTSetCharConvert(IsamFileBlockPtr, CharConvProc, void*, bool) { Fail(); }
std::int32_t BTInitIsam(NetSupportType, std::int32_t) { Fail(); return 0; }
void BTExitIsam() { Fail(); }
bool IsamIsInitialized() { return false; }
void BTCreateFileBlock(const IsamFileBlockName&, std::int32_t, std::int32_t, const IsamIndDescr&) { Fail(); }
void BTOpenFileBlock(IsamFileBlockPtr&, const IsamFileBlockName&, bool, bool, bool, bool) { Fail(); }
void BTCloseFileBlock(IsamFileBlockPtr&) { Fail(); }
void BTCloseAllFileBlocks() { Fail(); }
void IsamDeleteFileBlock(const IsamFileBlockName&) { Fail(); }
bool IsamExists(std::string_view) { return false; }
void IsamExtractFileNames(const IsamFileBlockName& n, IsamFileBlockName& a, IsamFileBlockName& b) { a = n; b = n; }
IsamFileName IsamForceExtension(std::string_view n, std::string_view) { return IsamFileName(n); }
std::int32_t BTDatRecordSize(IsamFileBlockPtr) { return 0; }
std::int32_t BTNrOfKeys(IsamFileBlockPtr) { return 0; }
std::int32_t BTKeyLen(IsamFileBlockPtr, std::int32_t) { return 0; }
bool BTAllowDupKeys(IsamFileBlockPtr, std::int32_t) { return false; }
void BTAddRec(IsamFileBlockPtr, std::int32_t&, const void*) { Fail(); }
void BTGetRec(IsamFileBlockPtr, std::int32_t, void*, bool) { Fail(); }
void BTPutRec(IsamFileBlockPtr, std::int32_t, const void*, bool) { Fail(); }
void BTDeleteRec(IsamFileBlockPtr, std::int32_t) { Fail(); }
std::int32_t BTUsedRecs(IsamFileBlockPtr) { Fail(); return 0; }
std::int32_t BTFileLen(IsamFileBlockPtr) { return 0; }
void BTAddKey(IsamFileBlockPtr, std::int32_t, std::int32_t, const IsamKeyStr&) { Fail(); }
void BTDeleteKey(IsamFileBlockPtr, std::int32_t, std::int32_t, const IsamKeyStr&) { Fail(); }
void BTFindKey(IsamFileBlockPtr, std::int32_t, std::int32_t&, const IsamKeyStr&) { Fail(); }
bool BTKeyExists(IsamFileBlockPtr, std::int32_t, std::int32_t, const IsamKeyStr&) { Fail(); return false; }
void BTNextKey(IsamFileBlockPtr, std::int32_t, std::int32_t&, IsamKeyStr&) { Fail(); }
void BTClearKey(IsamFileBlockPtr, std::int32_t) { Fail(); }
std::int32_t BTUsedKeys(IsamFileBlockPtr, std::int32_t) { return 0; }
void BTLockAllOpenFileBlocks() { Fail(); }
void BTUnlockAllOpenFileBlocks() { Fail(); }
bool BTFLockMgrRelAllLocks(std::int32_t) { return true; }
void ResetForTest() {}
}  // namespace isam

namespace dberrors {
kiosk::ShortStr<80> IsamErrorText;
kiosk::ShortStr<80> IsamEMessage;
int IsamErrorLine(std::int32_t) { return 0; }
void SetDberrFetcher(DberrFetcher) {}
void IsamErrorNum(std::int32_t) {}
void ResetForTest() {}
}  // namespace dberrors
