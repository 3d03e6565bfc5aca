// OLD_IO_acf.h -- aircraft files of the previous generation (versions 600, 626 and 700): read and
// converted into the current record, never written. Saving a converted aircraft writes the
// current version.
#pragma once
#include <string>

// Reads the file at path into record p (cleared first by the caller) and converts it. 1 when
// the file is of one of the three versions and was converted; 0 when it is of none of them, with
// the record left as it was.
int OLD_IO_acf(const std::string& path, int p);
// The same over a whole file already in memory (header included); path stands for the file in
// alerts. A file shorter than its version's image is converted from what it holds, after an
// alert saying so.
int OLD_IO_acf_image(int p, const unsigned char* data, long size, const std::string& path);
// Bytes of the stored image a file of this version holds behind its header: 433,688 (600),
// 454,980 (626), 647,096 (700); 0 for any version this reader does not take.
long OLD_acf_image_bytes(int version);

// The steps of a conversion, in the order the reader runs them.
void rev_bytes_old(void);        // turn the scratch record of a big-endian image into this machine's order
void ACF_old_to_new(int p);      // the scratch record into record p
void ACF_update(int p);          // which landing gear steers, after a conversion
int  new_en(int old_part);       // the part an old part 0..56 became; -1 for any other number
