#include "engine/state.h"

char hex_text[HEX_TEXT_SIZE];
unsigned char byte_data[BYTE_DATA_SIZE];
char basex_text[BASEX_TEXT_SIZE];
char reverse_text[HEX_TEXT_SIZE + 2];

uint32_t current_base;
uint32_t table_mode;
uint32_t custom_table_ready;
uint32_t update_guard;
uint32_t source_field;
uint32_t pow2_mode;

bignum work_number;
