// SPDX-License-Identifier: GPL-2.0
/* The kernel half of bytelora-countd.
 *
 * Only AF_INET and AF_INET6 sockets are tagged. A socket is tagged with the process
 * that made it when it is created (cgroup/sock_create runs in that process), or, for a
 * socket older than the counter, when it first sends or receives (the sock_send_length /
 * sock_recv_length tracepoints, also in the process's context). The tag lives in
 * socket-local storage cloned to the sockets a listener accepts; such an inherited tag
 * is provisional, and the first other process that sends or receives on the socket
 * takes it over (a pre-fork worker, the child of a socket-activating service manager).
 * The kernel's own sockets are never tagged to the process that happened to make them
 * send: they have a bucket of their own.
 *
 * cgroup_skb ingress and egress at the root of the cgroup tree then add each packet's
 * IP-level length to its socket's tag, folded into the tagged process's record later
 * (see struct socket_tag); a packet of no tagged socket goes to the untagged bucket.
 * Loopback (lo, in every namespace: every packet whose two ends are local goes there)
 * is no network traffic and is not counted at all, as the meter does not count it.
 *
 * The executable's path is read here, from the task's mm->exe_file, with a bounded
 * walk over the dentries and mounts, while the process itself runs. The daemon gives up
 * root after loading these programs and can then no longer readlink /proc/<pid>/exe of
 * other users' processes, so it could not learn the path later. */
#include "vmlinux.h"

#include <bpf/bpf_core_read.h>
#include <bpf/bpf_helpers.h>
#include <bpf/bpf_tracing.h>

#include "CounterRecords.h"

char LICENSE[] SEC("license") = "GPL";

#define AF_INET 2
#define AF_INET6 10
/* lo has this index in every network namespace. */
#define LOOPBACK_IFINDEX 1

struct {
    __uint(type, BPF_MAP_TYPE_SK_STORAGE);
    __uint(map_flags, BPF_F_NO_PREALLOC | BPF_F_CLONE);
    __type(key, int);
    __type(value, struct socket_tag);
} socket_tags SEC(".maps");

struct {
    __uint(type, BPF_MAP_TYPE_HASH);
    __uint(max_entries, COUNTD_MAX_PROCESSES);
    __uint(map_flags, BPF_F_NO_PREALLOC);
    __type(key, struct owner_key);
    __type(value, struct process_record);
} processes SEC(".maps");

struct {
    __uint(type, BPF_MAP_TYPE_HASH);
    __uint(max_entries, COUNTD_MAX_UIDS);
    __type(key, __u32);
    __type(value, struct uid_share);
} uid_shares SEC(".maps");

/* Written by the daemon only: how many of each uid's records it has taken out. */
struct {
    __uint(type, BPF_MAP_TYPE_HASH);
    __uint(max_entries, COUNTD_MAX_UIDS);
    __type(key, __u32);
    __type(value, __u64);
} uid_taken SEC(".maps");

struct {
    __uint(type, BPF_MAP_TYPE_LRU_HASH);
    __uint(max_entries, COUNTD_MAX_REFUSED);
    __type(key, struct owner_key);
    __type(value, __u8);
} refused_processes SEC(".maps");

/* An all-zero record to insert a new process with (it is too large for the stack); it is
 * never written. The new entry is then filled in place, so that two programs running
 * on one CPU (a task preempted by another) never share a scratch buffer. */
struct {
    __uint(type, BPF_MAP_TYPE_ARRAY);
    __uint(max_entries, 1);
    __type(key, __u32);
    __type(value, struct process_record);
} empty_record SEC(".maps");

struct {
    __uint(type, BPF_MAP_TYPE_PERCPU_ARRAY);
    __uint(max_entries, COUNTD_BUCKETS);
    __type(key, __u32);
    __type(value, struct byte_counts);
} buckets SEC(".maps");

static __always_inline void read_executable_path(struct task_struct *task,
                                                 struct process_record *record) {
    struct file *exe = BPF_CORE_READ(task, mm, exe_file);
    record->path_len = 0;
    if (!exe) {
        record->flags |= COUNTD_PATH_NONE;
        return;
    }
    struct dentry *dentry = BPF_CORE_READ(exe, f_path.dentry);
    struct vfsmount *vfsmnt = BPF_CORE_READ(exe, f_path.mnt);
    struct mount *mnt = container_of(vfsmnt, struct mount, mnt);
    __u32 used = 0;
    for (int depth = 0; depth < COUNTD_PATH_DEPTH; depth++) {
        struct dentry *mount_root = BPF_CORE_READ(mnt, mnt.mnt_root);
        struct dentry *parent = BPF_CORE_READ(dentry, d_parent);
        if (dentry == mount_root || dentry == parent) {
            /* The top of this mount: go on from where it is mounted, unless this is
             * the root mount of the process's namespace. */
            struct mount *mount_parent = BPF_CORE_READ(mnt, mnt_parent);
            if (mount_parent == mnt || !mount_parent) {
                record->path_len = used;
                return;
            }
            dentry = BPF_CORE_READ(mnt, mnt_mountpoint);
            mnt = mount_parent;
            continue;
        }
        if (used > COUNTD_PATH_BYTES - COUNTD_NAME_BYTES) break;
        const unsigned char *name = BPF_CORE_READ(dentry, d_name.name);
        long copied = bpf_probe_read_kernel_str(&record->path[used], COUNTD_NAME_BYTES, name);
        if (copied <= 0) break;
        used += (__u32)copied;
        dentry = parent;
    }
    record->flags |= COUNTD_PATH_TRUNCATED;
    record->path_len = used;
}

/* The current process image's key. An exec bumps self_exec_id on the task that then
 * leads the thread group. */
static __always_inline void current_key(struct task_struct *task, struct owner_key *key) {
    key->pid = (__u32)(bpf_get_current_pid_tgid() >> 32);
    key->exec_id = (__u32)BPF_CORE_READ(task, group_leader, self_exec_id);
    key->start_ns = BPF_CORE_READ(task, group_leader, start_boottime);
}

static __always_inline int same_key(const struct owner_key *a, const struct owner_key *b) {
    return a->pid == b->pid && a->exec_id == b->exec_id && a->start_ns == b->start_ns;
}

/* The uid's share, made on its first process. */
static __always_inline struct uid_share *share_of(__u32 uid) {
    struct uid_share *share = bpf_map_lookup_elem(&uid_shares, &uid);
    if (share) return share;
    struct uid_share fresh = {};
    bpf_map_update_elem(&uid_shares, &uid, &fresh, BPF_NOEXIST);
    return bpf_map_lookup_elem(&uid_shares, &uid);
}

static __always_inline int refuse(struct uid_share *share, const struct owner_key *key) {
    __u8 seen = 1;
    if (bpf_map_update_elem(&refused_processes, key, &seen, BPF_NOEXIST) == 0)
        __sync_fetch_and_add(&share->refused, 1);
    return 0;
}

/* The current process image's key, with its record made on its first socket, within
 * its uid's share of the table. */
static __always_inline int remember_current_process(struct owner_key *key) {
    struct task_struct *task = (struct task_struct *)bpf_get_current_task();
    current_key(task, key);
    if (bpf_map_lookup_elem(&processes, key)) return 1;
    const __u32 uid = (__u32)bpf_get_current_uid_gid();
    struct uid_share *share = share_of(uid);
    if (!share) return 0;
    const __u64 *taken = bpf_map_lookup_elem(&uid_taken, &uid);
    if (share->made - (taken ? *taken : 0) >= COUNTD_MAX_PROCESSES_PER_UID) return refuse(share, key);
    __u32 zero = 0;
    struct process_record *empty = bpf_map_lookup_elem(&empty_record, &zero);
    if (!empty) return 0;
    /* A full table leaves the socket untagged; another CPU that made the same record
     * first is fine. */
    long result = bpf_map_update_elem(&processes, key, empty, BPF_NOEXIST);
    if (result != 0 && result != -17 /* EEXIST */) return refuse(share, key);
    struct process_record *record = bpf_map_lookup_elem(&processes, key);
    if (!record || result != 0) return record != 0;
    __sync_fetch_and_add(&share->made, 1);
    record->uid = uid;
    bpf_get_current_comm(record->comm, sizeof(record->comm));
    read_executable_path(task, record);
    return 1;
}

static __always_inline void add_to_bucket(__u32 index, __u64 received, __u64 sent) {
    struct byte_counts *bucket = bpf_map_lookup_elem(&buckets, &index);
    if (!bucket) return;
    /* Atomic even per CPU: programs may be preempted by others on the same CPU. */
    if (received) __sync_fetch_and_add(&bucket->received, received);
    if (sent) __sync_fetch_and_add(&bucket->sent, sent);
}

/* Adds to the tag's owner, or to the untagged bucket when it has none (any more). */
static __always_inline void add_to_owner(struct socket_tag *tag, __u64 received, __u64 sent) {
    if (tag->kind == COUNTD_SOCKET_PROCESS) {
        struct process_record *record = bpf_map_lookup_elem(&processes, &tag->owner);
        if (record) {
            if (received) __sync_fetch_and_add(&record->received, received);
            if (sent) __sync_fetch_and_add(&record->sent, sent);
            return;
        }
    }
    add_to_bucket(COUNTD_BUCKET_UNTAGGED, received, sent);
}

/* Moves one way's bytes into the owner's record, taken with an atomic exchange so that
 * a packet counted meanwhile is neither lost nor folded twice. */
static __always_inline void fold_direction(struct socket_tag *tag, struct direction_count *count,
                                           int egress) {
    const __u64 bytes = __sync_lock_test_and_set(&count->bytes, 0);
    if (bytes) add_to_owner(tag, egress ? 0 : bytes, egress ? bytes : 0);
}

static __always_inline void fold_socket(struct socket_tag *tag) {
    fold_direction(tag, &tag->received, 0);
    fold_direction(tag, &tag->sent, 1);
}

static __always_inline void tag_with_current(struct socket_tag *tag, __u64 cookie) {
    fold_socket(tag);
    tag->cookie = cookie;
    tag->kind = remember_current_process(&tag->owner) ? COUNTD_SOCKET_PROCESS : COUNTD_SOCKET_NONE;
}

SEC("cgroup/sock_create")
int tag_new_socket(struct bpf_sock *sk) {
    if (sk->family != AF_INET && sk->family != AF_INET6) return 1;
    struct socket_tag *tag = bpf_sk_storage_get(&socket_tags, sk, 0, BPF_SK_STORAGE_GET_F_CREATE);
    if (tag) tag_with_current(tag, bpf_get_socket_cookie(sk));
    return 1;
}

SEC("cgroup/sock_release")
int fold_released_socket(struct bpf_sock *sk) {
    struct socket_tag *tag = bpf_sk_storage_get(&socket_tags, sk, 0, 0);
    if (!tag) return 1;
    tag->released = 1;
    fold_socket(tag);
    return 1;
}

/* Runs in the process that sends or receives. The socket goes to that process when it
 * has no owner yet (older than the counter), when its tag was inherited from the
 * listener that accepted it, when the same process has exec'd since, or when its owner
 * has been folded away after it exited (a socket a daemonising parent made and its
 * child goes on using). A kernel socket (one with no file) goes to the kernel bucket. */
static __always_inline void tag_on_use(struct sock *sk, int egress) {
    if (!sk) return;
    /* Direct reads through the kernel's types: far cheaper than probe reads, and this
     * runs on every send and receive. */
    const __u16 family = sk->__sk_common.skc_family;
    if (family != AF_INET && family != AF_INET6) return;
    struct socket_tag *tag = bpf_sk_storage_get(&socket_tags, sk, 0, 0);
    struct socket *socket = sk->sk_socket;
    if (!socket || !socket->file) {
        if (!tag) tag = bpf_sk_storage_get(&socket_tags, sk, 0, BPF_SK_STORAGE_GET_F_CREATE);
        if (tag && tag->kind != COUNTD_SOCKET_KERNEL) {
            fold_socket(tag);
            tag->owner.pid = 0;
            tag->kind = COUNTD_SOCKET_KERNEL;
        }
        return;
    }
    struct owner_key current;
    struct task_struct *task = bpf_get_current_task_btf();
    struct task_struct *leader = task->group_leader;
    current.pid = (__u32)task->tgid;
    current.exec_id = (__u32)leader->self_exec_id;
    current.start_ns = leader->start_boottime;
    if (tag && tag->kind == COUNTD_SOCKET_PROCESS) {
        if (same_key(&tag->owner, &current)) {
            /* What the program has just read (or sent, for a datagram: it left within
             * the call) reaches the record now, not at the socket's next packet, which
             * may be long in coming on a connection that then goes quiet. */
            fold_direction(tag, egress ? &tag->sent : &tag->received, egress);
            return;
        }
        const int inherited = tag->cookie != bpf_get_socket_cookie(sk);
        const int execd = tag->owner.pid == current.pid && tag->owner.start_ns == current.start_ns;
        if (!inherited && !execd && bpf_map_lookup_elem(&processes, &tag->owner)) return;
    }
    if (!tag) tag = bpf_sk_storage_get(&socket_tags, sk, 0, BPF_SK_STORAGE_GET_F_CREATE);
    if (tag) tag_with_current(tag, bpf_get_socket_cookie(sk));
}

SEC("tp_btf/sock_send_length")
int BPF_PROG(tag_old_socket_on_send, struct sock *sk, int ret, int flags) {
    tag_on_use(sk, 1);
    return 0;
}

SEC("tp_btf/sock_recv_length")
int BPF_PROG(tag_old_socket_on_receive, struct sock *sk, int ret, int flags) {
    tag_on_use(sk, 0);
    return 0;
}

static __always_inline void count_packet(struct __sk_buff *skb, int egress) {
    if (skb->ifindex == LOOPBACK_IFINDEX) return;
    const __u64 length = skb->len;
    struct bpf_sock *sk = skb->sk;
    if (sk) {
        /* The storage is found only on a full socket, which nearly every packet has: one
         * helper call then finds the tag. A SYN-ACK leaves from a request socket, which
         * has none: it belongs to its listener. */
        int listening = sk->state == BPF_TCP_LISTEN;
        struct socket_tag *tag = bpf_sk_storage_get(&socket_tags, sk, 0, 0);
        if (!tag) {
            struct bpf_sock *listener = bpf_get_listener_sock(sk);
            if (listener) {
                tag = bpf_sk_storage_get(&socket_tags, listener, 0, 0);
                listening = 1;
            }
        }
        /* A listener's tag is copied to each connection it accepts, so it must hold no
         * bytes of its own: its few packets go to the record directly. */
        if (tag && tag->kind == COUNTD_SOCKET_PROCESS && !tag->released && !listening) {
            /* The socket's own counter: contended only by its own packets. A busy
             * socket's way is folded each time its count passes a multiple of
             * COUNTD_FOLD_BYTES, told by the add itself: no clock is read a packet. */
            struct direction_count *count = egress ? &tag->sent : &tag->received;
            const __u64 before = __sync_fetch_and_add(&count->bytes, length);
            if ((before ^ (before + length)) >= COUNTD_FOLD_BYTES)
                fold_direction(tag, count, egress);
            return;
        }
        if (tag && tag->kind == COUNTD_SOCKET_PROCESS) {
            add_to_owner(tag, egress ? 0 : length, egress ? length : 0);
            return;
        }
        if (tag && tag->kind == COUNTD_SOCKET_KERNEL) {
            add_to_bucket(COUNTD_BUCKET_KERNEL, egress ? 0 : length, egress ? length : 0);
            return;
        }
    }
    add_to_bucket(COUNTD_BUCKET_UNTAGGED, egress ? 0 : length, egress ? length : 0);
}

SEC("cgroup_skb/ingress")
int count_ingress(struct __sk_buff *skb) {
    count_packet(skb, 0);
    return 1;
}

SEC("cgroup_skb/egress")
int count_egress(struct __sk_buff *skb) {
    count_packet(skb, 1);
    return 1;
}
