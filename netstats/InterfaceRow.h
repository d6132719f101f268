#pragma once

#include <cstdint>
#include <string>

namespace bytelora {

// One row of the operating system's interface table. A plain holder: every property has
// a read and a write accessor of the same name and nothing is checked or computed.
// Octet and packet counters are 64-bit, the width of the Linux table; Windows fills
// the octet counters from the 64-bit table where it has one, the rest from 32-bit fields.
class InterfaceRow {
  public:
    const std::string& InterfaceDescription() const { return description_; }
    void InterfaceDescription(std::string value) { description_ = std::move(value); }
    std::uint32_t OutputQueueLength() const { return outQLen_; }
    void OutputQueueLength(std::uint32_t value) { outQLen_ = value; }
    std::uint64_t OutgoingErrors() const { return outErrors_; }
    void OutgoingErrors(std::uint64_t value) { outErrors_ = value; }
    std::uint64_t DiscardedOutgoingPackets() const { return outDiscards_; }
    void DiscardedOutgoingPackets(std::uint64_t value) { outDiscards_ = value; }
    std::uint64_t NonunicastPacketsSent() const { return outNUcast_; }
    void NonunicastPacketsSent(std::uint64_t value) { outNUcast_ = value; }
    std::uint64_t UnicastPacketsSent() const { return outUcast_; }
    void UnicastPacketsSent(std::uint64_t value) { outUcast_ = value; }
    std::uint64_t OctetsSent() const { return outOctets_; }
    void OctetsSent(std::uint64_t value) { outOctets_ = value; }
    std::uint64_t UnknownProtocolPackets() const { return inUnknownProtos_; }
    void UnknownProtocolPackets(std::uint64_t value) { inUnknownProtos_ = value; }
    std::uint64_t IncomingErrors() const { return inErrors_; }
    void IncomingErrors(std::uint64_t value) { inErrors_ = value; }
    std::uint64_t DiscardedIncomingPackets() const { return inDiscards_; }
    void DiscardedIncomingPackets(std::uint64_t value) { inDiscards_ = value; }
    std::uint64_t NonunicastPacketsReceived() const { return inNUcast_; }
    void NonunicastPacketsReceived(std::uint64_t value) { inNUcast_ = value; }
    std::uint32_t MaximumTransmissionUnit() const { return mtu_; }
    void MaximumTransmissionUnit(std::uint32_t value) { mtu_ = value; }
    std::uint64_t UnicastPacketsReceived() const { return inUcast_; }
    void UnicastPacketsReceived(std::uint64_t value) { inUcast_ = value; }
    std::uint64_t OctetsReceived() const { return inOctets_; }
    void OctetsReceived(std::uint64_t value) { inOctets_ = value; }
    // Days since 30 December 1899 00:00, the classic desktop date-time count; 0 is unset.
    double LastChange() const { return lastChange_; }
    void LastChange(double value) { lastChange_ = value; }
    std::uint32_t OperationalStatus() const { return operStatus_; }
    void OperationalStatus(std::uint32_t value) { operStatus_ = value; }
    std::uint32_t AdminStatus() const { return adminStatus_; }
    void AdminStatus(std::uint32_t value) { adminStatus_ = value; }
    const std::string& AdapterAddress() const { return adapterAddress_; }
    void AdapterAddress(std::string value) { adapterAddress_ = std::move(value); }
    std::uint32_t Speed() const { return speed_; }
    void Speed(std::uint32_t value) { speed_ = value; }
    std::uint32_t InterfaceType() const { return type_; }
    void InterfaceType(std::uint32_t value) { type_ = value; }
    std::uint32_t InterfaceIndex() const { return index_; }
    void InterfaceIndex(std::uint32_t value) { index_ = value; }
    // The stable key of the interface (a device path on Windows, the name on Linux).
    const std::string& InterfaceName() const { return name_; }
    void InterfaceName(std::string value) { name_ = std::move(value); }
    // The name the user gave the interface and knows it by ("Ethernet", "Wi-Fi"); empty
    // where the system has none apart from the name itself.
    const std::string& Alias() const { return alias_; }
    void Alias(std::string value) { alias_ = std::move(value); }

  private:
    std::string name_;
    std::string alias_;
    std::uint32_t index_ = 0;
    std::uint32_t type_ = 0;
    std::uint32_t speed_ = 0;
    std::string adapterAddress_;
    std::uint32_t adminStatus_ = 0;
    std::uint32_t operStatus_ = 0;
    double lastChange_ = 0.0;
    std::uint64_t inOctets_ = 0;
    std::uint64_t inUcast_ = 0;
    std::uint32_t mtu_ = 0;
    std::uint64_t inNUcast_ = 0;
    std::uint64_t inDiscards_ = 0;
    std::uint64_t inErrors_ = 0;
    std::uint64_t inUnknownProtos_ = 0;
    std::uint64_t outOctets_ = 0;
    std::uint64_t outUcast_ = 0;
    std::uint64_t outNUcast_ = 0;
    std::uint64_t outDiscards_ = 0;
    std::uint64_t outErrors_ = 0;
    std::uint32_t outQLen_ = 0;
    std::string description_;
};

// MIB-II interface types and states that the program looks at.
inline constexpr std::uint32_t kIfTypeOther = 1;
inline constexpr std::uint32_t kIfTypeEthernet = 6;
inline constexpr std::uint32_t kIfTypePpp = 23;
inline constexpr std::uint32_t kIfTypeLoopback = 24;
inline constexpr std::uint32_t kIfTypeWireless = 71;
inline constexpr std::uint32_t kIfTypeTunnel = 131;
inline constexpr std::uint32_t kIfStatusUp = 1;
inline constexpr std::uint32_t kIfStatusDown = 2;

}  // namespace bytelora
