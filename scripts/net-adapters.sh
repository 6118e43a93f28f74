#!/usr/bin/env bash
# Sets the network adapters that the test suite's private namespace shows:
# adapter n (tw0, tw1, ...) gets the IPv4 addresses of argument n
# ("10.0.0.1+10.0.0.2") or none ("-"); adapters beyond the arguments lose
# their addresses. Test programs start it directly through Wine.
#   net-adapters.sh DONE_FILE [ADDRESSES|-]...
# Writes "ok N" (N adapters now present), or what failed, to DONE_FILE.
# Adapters are made but never removed: Wine keeps listing an adapter it has
# once seen (as 0.0.0.0) after it is gone. They are bridges left down: they
# carry addresses but pass no traffic, and each comes alone (a veth pair
# would add its peer as a second adapter). The script refuses to touch the
# adapters of the initial namespace.
set -u
export PATH="/usr/sbin:/sbin:/usr/bin:/bin:$PATH"
done_file=$1
shift
finish() {
  echo "$1" >"$done_file.part" && mv -f "$done_file.part" "$done_file"
  exit 0
}
if [ "$(readlink /proc/self/ns/net)" = "$(readlink /proc/1/ns/net 2>/dev/null)" ]; then
  finish "refused: not in a private network namespace"
fi
n=0
for entry in "$@"; do
  name="tw$n"
  n=$((n + 1))
  ip link show "$name" >/dev/null 2>&1 || ip link add "$name" type bridge || finish "cannot add $name"
  ip addr flush dev "$name" || finish "cannot clear $name"
  [ "$entry" = - ] && continue
  IFS=+ read -ra addresses <<<"$entry"
  for address in "${addresses[@]}"; do
    ip addr add "$address/24" dev "$name" || finish "cannot give $name the address $address"
  done
done
while ip link show "tw$n" >/dev/null 2>&1; do
  ip addr flush dev "tw$n" || finish "cannot clear tw$n"
  n=$((n + 1))
done
finish "ok $n"
