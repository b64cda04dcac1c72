/* The C interface's header compiles as C89 with every warning. */
#include "ctrlelem_pack/ctrlelem_c.h"

size_t header_c89_size_of_id_1(void);

size_t header_c89_size_of_id_1(void) {
  if (ctrlelem_c_abi_version() != CTRLELEM_C_ABI_VERSION) return CTRLELEM_C_SIZE_ERROR;
  return ctrlelem_c_description(1, NULL, 0);
}
