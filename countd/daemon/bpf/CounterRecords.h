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
/* Each uid's share of the table, so that one user who forks ever new processes fills
 * only their own share: it takes sixteen uids to fill the table. */
#define COUNTD_MAX_PROCESSES_PER_UID (COUNTD_MAX_PROCESSES / 16)
/* Uids the shares are kept for at once; a uid beyond that is refused. */
#define COUNTD_MAX_UIDS 4096
/* Processes remembered as refused, so that each is counted once however many sockets
 * it makes. */
#define COUNTD_MAX_REFUSED 4096
/* The executable's path as the kernel programs find it: its names from the file up to
 * the root, each ended by a NUL (so "/usr/bin/curl" is "curl\0bin\0usr\0"). */
#define COUNTD_PATH_BYTES 512
#define COUNTD_NAME_BYTES 256
#define COUNTD_PATH_DEPTH 32
#define COUNTD_COMM_BYTES 16

/* Set in process_record.flags. */
#define COUNTD_PATH_TRUNCATED 1u /* deeper or longer than the buffer holds */
#define COUNTD_PATH_NONE 2u      /* a kernel thread or an exiting task: no executable */

/* A process image: its pid (the thread group id), how many times it has exec'd, and
 * its start time in nanoseconds since boot. Pids are reused; the pair of pid and start
 * time is not. Each exec starts a new record, so that the bytes before it stay with
 * the executable that moved them. */
struct owner_key {
    __u32 pid;
    __u32 exec_id;
    __u64 start_ns;
};

/* What a socket is counted to (socket_tag.kind). */
#define COUNTD_SOCKET_NONE 0u    /* nothing: its bytes are untagged */
#define COUNTD_SOCKET_PROCESS 1u /* the process image in socket_tag.owner */
#define COUNTD_SOCKET_KERNEL 2u  /* a socket of the kernel's own (NFS, CIFS, ...) */

/* The per-socket storage. A socket a listener accepts gets a copy of the listener's:
 * its cookie then differs from the socket's own, which marks the tag as inherited and
 * provisional (the first other process that uses the socket takes it over).
 *
 * A packet adds its length here, to its own socket, rather than to the process record:
 * no hash lookup, and no counter shared with every other socket of the process. The
 * bytes are moved (folded) into the owner's record when the socket is released, when
 * it changes owner, at each send and receive call of its program, and each
 * COUNTD_FOLD_BYTES that pass without such calls (a connection's data still leaving
 * after the last send call, what a program takes in by splice). After
 * its release a socket's last packets go to the record directly, as do a listener's
 * (whose tag its accepted connections copy). */
struct direction_count {
    __u64 bytes; /* not folded yet */
};

/* Kept small: a packet then touches as few cache lines as can be. (Keeping the two
 * ways on lines of their own, against sharing between the CPU that sends and the one
 * that takes in the acknowledgements, measured slower: one more line a packet.) */
struct socket_tag {
    struct owner_key owner;
    __u64 cookie; /* the cookie of the socket the tag was made for */
    __u32 kind;
    __u32 released; /* the socket's file is closed */
    struct direction_count received;
    struct direction_count sent;
};

/* How often a busy socket's bytes are folded into its process's record, each way,
 * between its program's calls: the records lag such a socket by less than this. A power
 * of two. A folded count starts again from nothing, so it is folded once it has gained
 * this much (or less, when an earlier fold left it partway). Counting in bytes rather
 * than time spares a clock read a packet (a quarter of a packet's cost); at a gigabit
 * a second it is every 8 ms. */
#define COUNTD_FOLD_BYTES (1ull << 20)

/* The per-CPU buckets of bytes that belong to no process. */
#define COUNTD_BUCKET_UNTAGGED 0u /* sockets with no tag (older than the counter, ...) */
#define COUNTD_BUCKET_KERNEL 1u   /* the kernel's own sockets */
#define COUNTD_BUCKETS 2u

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

/* A uid's use of the table: the kernel programs add to made and refused; the daemon
 * keeps how many of made it has taken out in a map of its own (uid -> __u64), so that
 * neither writes what the other does. */
struct uid_share {
    __u64 made;
    __u64 refused; /* processes that found the uid's share full */
};

struct byte_counts {
    __u64 received;
    __u64 sent;
};

#endif
