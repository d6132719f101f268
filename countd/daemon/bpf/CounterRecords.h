/* The records the kernel programs and bytelora-countd share through the maps. Plain C,
 * so that both the eBPF object (clang -target bpf) and the C++ daemon include it. */
#ifndef BYTELORA_COUNTD_COUNTER_RECORDS_H
#define BYTELORA_COUNTD_COUNTER_RECORDS_H

#ifndef __VMLINUX_H__
#include <linux/types.h>
#endif

/* Processes the table holds at once; a process beyond that is counted as untagged
 * until the daemon folds exited ones away. */
#define COUNTD_MAX_PROCESSES 32768
/* The executable's path as the kernel programs find it: its names from the file up to
 * the root, each ended by a NUL (so "/usr/bin/curl" is "curl\0bin\0usr\0"). */
#define COUNTD_PATH_BYTES 512
#define COUNTD_NAME_BYTES 256
#define COUNTD_PATH_DEPTH 32
#define COUNTD_COMM_BYTES 16

/* Set in process_record.flags. */
#define COUNTD_PATH_TRUNCATED 1u /* deeper or longer than the buffer holds */
#define COUNTD_PATH_NONE 2u      /* a kernel thread or an exiting task: no executable */

/* A process: its pid (the thread group id) and its start time in nanoseconds since
 * boot. Pids are reused; the pair is not. */
struct owner_key {
    __u32 pid;
    __u32 reserved;
    __u64 start_ns;
};

struct process_record {
    __u64 received;
    __u64 sent;
    __u32 uid;
    __u32 flags;
    __u32 path_len;
    __u32 reserved;
    char comm[COUNTD_COMM_BYTES];
    char path[COUNTD_PATH_BYTES];
};

struct byte_counts {
    __u64 received;
    __u64 sent;
};

#endif
