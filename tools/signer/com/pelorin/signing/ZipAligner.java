package com.pelorin.signing;

import java.io.IOException;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.channels.FileChannel;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.nio.file.StandardOpenOption;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.List;

/**
 * Copies a ZIP file so that the data of every stored (uncompressed) entry
 * starts at a multiple of 4 bytes, and native libraries (.so) at a multiple of
 * 4096, as Android expects for files it maps or opens directly from the APK.
 * Entries are copied byte for byte; only the padding of the local headers'
 * extra fields and the offsets that point at them change. The padding is an
 * extra field of its own (ID 0xD935, the alignment and zeros), which apksig
 * recognises and keeps.
 */
public final class ZipAligner {
    static final int LOCAL_HEADER = 0x04034b50;
    static final int CENTRAL_HEADER = 0x02014b50;
    static final int END_OF_DIRECTORY = 0x06054b50;
    static final int DATA_DESCRIPTOR = 0x08074b50;
    static final short ALIGNMENT_EXTRA_ID = (short) 0xd935;
    static final int ALIGNMENT_EXTRA_MIN = 6; // ID, size, alignment

    private ZipAligner() {
    }

    private static final class Entry {
        long centralOffset; // of its central directory record in the input
        int centralLength;
        long localOffset;   // of its local header in the input
        long newLocalOffset;
        int method;
        int flags;
        long compressedSize;
        String name;
    }

    public static void align(Path input, Path output, int alignment) throws IOException {
        try (FileChannel in = FileChannel.open(input, StandardOpenOption.READ);
             FileChannel out = FileChannel.open(output, StandardOpenOption.WRITE, StandardOpenOption.CREATE,
                     StandardOpenOption.TRUNCATE_EXISTING)) {
            ByteBuffer end = findEndOfDirectory(in);
            int entryCount = end.getShort(10) & 0xffff;
            long directorySize = end.getInt(12) & 0xffffffffL;
            long directoryOffset = end.getInt(16) & 0xffffffffL;
            if (entryCount == 0xffff || directoryOffset == 0xffffffffL) {
                throw new IOException("ZIP64 archives are not supported");
            }

            List<Entry> entries = readDirectory(in, directoryOffset, directorySize, entryCount);
            List<Entry> byPosition = new ArrayList<>(entries);
            byPosition.sort(Comparator.comparingLong(e -> e.localOffset));
            for (Entry entry : byPosition) {
                copyLocalEntry(in, out, entry, alignment);
            }

            long newDirectoryOffset = out.position();
            for (Entry entry : entries) {
                ByteBuffer record = read(in, entry.centralOffset, entry.centralLength);
                record.putInt(42, (int) entry.newLocalOffset);
                write(out, record);
            }
            long newDirectorySize = out.position() - newDirectoryOffset;
            if (out.position() > 0xffffffffL) {
                throw new IOException("the aligned archive would need ZIP64");
            }
            end.putInt(12, (int) newDirectorySize);
            end.putInt(16, (int) newDirectoryOffset);
            end.rewind();
            write(out, end);
        }
    }

    static int alignmentOf(Entry entry, int alignment) {
        if (entry.method != 0) {
            return 1;
        }
        return entry.name.endsWith(".so") ? 4096 : alignment;
    }

    private static void copyLocalEntry(FileChannel in, FileChannel out, Entry entry, int alignment) throws IOException {
        ByteBuffer header = read(in, entry.localOffset, 30);
        if (header.getInt(0) != LOCAL_HEADER) {
            throw new IOException("bad local header for " + entry.name);
        }
        int nameLength = header.getShort(26) & 0xffff;
        int extraLength = header.getShort(28) & 0xffff;
        ByteBuffer name = read(in, entry.localOffset + 30, nameLength);
        ByteBuffer extra = withoutAlignmentExtra(read(in, entry.localOffset + 30 + nameLength, extraLength));

        entry.newLocalOffset = out.position();
        long dataStart = entry.newLocalOffset + 30 + nameLength + extra.remaining();
        int multiple = alignmentOf(entry, alignment);
        int padding = 0;
        if (multiple > 1 && dataStart % multiple != 0) {
            padding = (int) (multiple - dataStart % multiple);
            while (padding < ALIGNMENT_EXTRA_MIN) {
                padding += multiple;
            }
        }
        if (extra.remaining() + padding > 0xffff) {
            throw new IOException("extra field too long for " + entry.name);
        }

        header.putShort(28, (short) (extra.remaining() + padding));
        write(out, header);
        write(out, name);
        write(out, extra);
        if (padding > 0) {
            ByteBuffer pad = ByteBuffer.allocate(padding).order(ByteOrder.LITTLE_ENDIAN);
            pad.putShort(ALIGNMENT_EXTRA_ID).putShort((short) (padding - 4)).putShort((short) multiple);
            pad.rewind();
            write(out, pad);
        }

        long dataOffset = entry.localOffset + 30 + nameLength + extraLength;
        long length = entry.compressedSize;
        if ((entry.flags & 0x08) != 0) {
            // data descriptor after the data: optional signature, CRC, sizes
            ByteBuffer probe = read(in, dataOffset + length, 4);
            length += probe.getInt(0) == DATA_DESCRIPTOR ? 16 : 12;
        }
        transfer(in, out, dataOffset, length);
    }

    // Drops an alignment field left by an earlier aligner, keeping every other field.
    private static ByteBuffer withoutAlignmentExtra(ByteBuffer extra) {
        ByteBuffer kept = ByteBuffer.allocate(extra.remaining()).order(ByteOrder.LITTLE_ENDIAN);
        while (extra.remaining() >= 4) {
            int start = extra.position();
            short id = extra.getShort();
            int size = extra.getShort() & 0xffff;
            if (size > extra.remaining()) {
                // not a well-formed field list: keep the rest as it is
                extra.position(start);
                break;
            }
            extra.position(extra.position() + size);
            if (id != ALIGNMENT_EXTRA_ID) {
                kept.put(extra.duplicate().position(start).limit(start + 4 + size));
            }
        }
        if (extra.remaining() > 0 && extra.remaining() < 4 && allZero(extra)) {
            extra.position(extra.limit()); // zero padding of a classic aligner
        }
        kept.put(extra);
        kept.flip();
        return kept;
    }

    private static boolean allZero(ByteBuffer buffer) {
        for (int i = buffer.position(); i < buffer.limit(); i++) {
            if (buffer.get(i) != 0) {
                return false;
            }
        }
        return true;
    }

    private static List<Entry> readDirectory(FileChannel in, long offset, long size, int count) throws IOException {
        ByteBuffer directory = read(in, offset, (int) size);
        List<Entry> entries = new ArrayList<>(count);
        int position = 0;
        for (int i = 0; i < count; i++) {
            if (position + 46 > directory.limit() || directory.getInt(position) != CENTRAL_HEADER) {
                throw new IOException("bad central directory record " + i);
            }
            Entry entry = new Entry();
            entry.flags = directory.getShort(position + 8) & 0xffff;
            entry.method = directory.getShort(position + 10) & 0xffff;
            entry.compressedSize = directory.getInt(position + 20) & 0xffffffffL;
            int nameLength = directory.getShort(position + 28) & 0xffff;
            int extraLength = directory.getShort(position + 30) & 0xffff;
            int commentLength = directory.getShort(position + 32) & 0xffff;
            entry.localOffset = directory.getInt(position + 42) & 0xffffffffL;
            if (entry.compressedSize == 0xffffffffL || entry.localOffset == 0xffffffffL) {
                throw new IOException("ZIP64 entries are not supported");
            }
            byte[] name = new byte[nameLength];
            directory.get(position + 46, name);
            entry.name = new String(name, StandardCharsets.UTF_8);
            entry.centralOffset = offset + position;
            entry.centralLength = 46 + nameLength + extraLength + commentLength;
            entries.add(entry);
            position += entry.centralLength;
        }
        return entries;
    }

    private static ByteBuffer findEndOfDirectory(FileChannel in) throws IOException {
        long size = in.size();
        int window = (int) Math.min(size, 22 + 0xffff);
        ByteBuffer tail = read(in, size - window, window);
        for (int i = window - 22; i >= 0; i--) {
            if (tail.getInt(i) == END_OF_DIRECTORY && i + 22 + (tail.getShort(i + 20) & 0xffff) == window) {
                ByteBuffer end = ByteBuffer.allocate(window - i).order(ByteOrder.LITTLE_ENDIAN);
                end.put(tail.duplicate().position(i));
                end.rewind();
                return end;
            }
        }
        throw new IOException("not a ZIP file (no end of central directory)");
    }

    private static ByteBuffer read(FileChannel in, long offset, int length) throws IOException {
        ByteBuffer buffer = ByteBuffer.allocate(length).order(ByteOrder.LITTLE_ENDIAN);
        while (buffer.hasRemaining()) {
            if (in.read(buffer, offset + buffer.position()) < 0) {
                throw new IOException("unexpected end of the ZIP file");
            }
        }
        buffer.flip();
        return buffer;
    }

    private static void write(FileChannel out, ByteBuffer buffer) throws IOException {
        while (buffer.hasRemaining()) {
            out.write(buffer);
        }
    }

    private static void transfer(FileChannel in, FileChannel out, long offset, long length) throws IOException {
        long done = 0;
        while (done < length) {
            long moved = in.transferTo(offset + done, length - done, out);
            if (moved <= 0) {
                throw new IOException("unexpected end of the ZIP file");
            }
            done += moved;
        }
    }
}
