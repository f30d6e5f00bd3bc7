// The report engine's registration: the data access classes it reads through, then its own.
#include "report/FR_Register.h"

#include "data/DataSet.h"
#include "report/FR_DSet.h"

void RegisterReportClasses() {
  RegisterDataClasses();
  RegisterRecordSourceClasses();
}
