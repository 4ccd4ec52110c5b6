// Disk and FAT volume control codes for DeviceIoControl on a storage card's volume
// ("\Storage Card\VOL:") or disk ("DSK1:"), and the storage identification record.
#pragma once

#include "winbase.h"

#define FILE_DEVICE_DISK 0x00000007
#define IOCTL_DISK_BASE FILE_DEVICE_DISK
#define FILE_READ_ACCESS 0x0001
#define FILE_WRITE_ACCESS 0x0002
// Shared with the other control-code headers (pkfuncs.h).
#ifndef CTL_CODE
#define METHOD_BUFFERED 0
#define FILE_ANY_ACCESS 0
#define CTL_CODE(DeviceType, Function, Method, Access) \
    (((DeviceType) << 16) | ((Access) << 14) | ((Function) << 2) | (Method))
#endif

// FAT volume codes.
#define IOCTL_DISK_GET_VOLUME_PARAMETERS CTL_CODE(IOCTL_DISK_BASE, 0x0081, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_DISK_GET_FREE_SPACE CTL_CODE(IOCTL_DISK_BASE, 0x0082, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_DISK_FORMAT_VOLUME CTL_CODE(IOCTL_DISK_BASE, 0x0088, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_DISK_SCAN_VOLUME CTL_CODE(IOCTL_DISK_BASE, 0x0089, METHOD_BUFFERED, FILE_ANY_ACCESS)
// Medium codes.
#define IOCTL_DISK_FORMAT_MEDIA CTL_CODE(IOCTL_DISK_BASE, 0x705, METHOD_BUFFERED, FILE_WRITE_ACCESS)
#define IOCTL_DISK_GET_STORAGEID CTL_CODE(IOCTL_DISK_BASE, 0x709, METHOD_BUFFERED, FILE_ANY_ACCESS)

// IOCTL_DISK_GET_VOLUME_PARAMETERS output: the volume's boot sector up to this size.
#define VOLUME_PARAMETERS_SIZE 360
// IOCTL_DISK_GET_FREE_SPACE output: sectors per cluster, bytes per sector, free clusters,
// usable clusters.
#define FREE_SPACE_SIZE 16

// IOCTL_DISK_FORMAT_VOLUME input: four words, the first the options.
#define FORMAT_VOLUME_QUICK 0x0001
#define FORMAT_VOLUME_BACKUP_FAT 0x0002
#define FORMAT_VOLUME_FAT12 0x0040
#define FORMAT_VOLUME_FAT16 0x0080
#define FORMAT_VOLUME_FAT32 0x0100
#define FORMAT_VOLUME_LOW_LEVEL 0x0200

// IOCTL_DISK_GET_STORAGEID output: this record, then the manufacturer and serial texts (8-bit,
// each ended by 0, stored with the bytes of each pair swapped as ATA media keep them) at the
// offsets it gives. dwSize is the whole output's size.
struct STORAGE_IDENTIFICATION {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwManufactureIDOffset;
    DWORD dwSerialNumOffset;
};
using PSTORAGE_IDENTIFICATION = STORAGE_IDENTIFICATION*;

#define MANUFACTUREID_INVALID 0x01
#define SERIALNUM_INVALID 0x02
