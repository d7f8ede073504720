package com.pelorin.signing;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.math.BigInteger;
import java.nio.charset.StandardCharsets;
import java.security.GeneralSecurityException;
import java.security.KeyPair;
import java.security.SecureRandom;
import java.security.Signature;
import java.security.cert.CertificateFactory;
import java.security.cert.X509Certificate;
import java.time.ZoneOffset;
import java.time.ZonedDateTime;
import java.time.format.DateTimeFormatter;

/**
 * A self-signed X.509 v3 certificate (SHA-256 with RSA, no extensions),
 * DER-encoded by hand: the Java platform has no public API that makes one.
 */
public final class SelfSignedCertificate {
    private static final int[] SHA256_WITH_RSA = {1, 2, 840, 113549, 1, 1, 11};
    private static final int[] COMMON_NAME = {2, 5, 4, 3};
    private static final int[] ORGANIZATION = {2, 5, 4, 10};

    private SelfSignedCertificate() {
    }

    public static X509Certificate create(KeyPair keys, String commonName, String organization, int validYears)
            throws GeneralSecurityException {
        ZonedDateTime from = ZonedDateTime.now(ZoneOffset.UTC).withNano(0).minusDays(1);
        ZonedDateTime until = from.plusYears(validYears);
        byte[] serial = new byte[16];
        new SecureRandom().nextBytes(serial);
        serial[0] &= 0x7f; // positive
        serial[0] |= 0x01; // and without a leading zero byte

        byte[] algorithm = sequence(oid(SHA256_WITH_RSA), tlv(0x05, new byte[0]));
        byte[] name = sequence(
                set(sequence(oid(ORGANIZATION), utf8(organization))),
                set(sequence(oid(COMMON_NAME), utf8(commonName))));
        byte[] tbs = sequence(
                tlv(0xa0, integer(BigInteger.valueOf(2))), // version 3
                integer(new BigInteger(serial)),
                algorithm,
                name,
                sequence(time(from), time(until)),
                name,
                keys.getPublic().getEncoded());

        Signature signer = Signature.getInstance("SHA256withRSA");
        signer.initSign(keys.getPrivate());
        signer.update(tbs);
        byte[] signature = signer.sign();
        byte[] bits = new byte[signature.length + 1]; // leading byte: no unused bits
        System.arraycopy(signature, 0, bits, 1, signature.length);
        byte[] der = sequence(tbs, algorithm, tlv(0x03, bits));

        CertificateFactory factory = CertificateFactory.getInstance("X.509");
        return (X509Certificate) factory.generateCertificate(new ByteArrayInputStream(der));
    }

    // UTCTime up to 2049, GeneralizedTime from 2050 on (RFC 5280).
    private static byte[] time(ZonedDateTime t) {
        if (t.getYear() < 2050) {
            return tlv(0x17, ascii(t.format(DateTimeFormatter.ofPattern("yyMMddHHmmss'Z'"))));
        }
        return tlv(0x18, ascii(t.format(DateTimeFormatter.ofPattern("yyyyMMddHHmmss'Z'"))));
    }

    private static byte[] oid(int[] arcs) {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        out.write(arcs[0] * 40 + arcs[1]);
        for (int i = 2; i < arcs.length; i++) {
            int value = arcs[i];
            int groups = 1;
            for (int v = value >>> 7; v != 0; v >>>= 7) {
                groups++;
            }
            for (int g = groups - 1; g >= 0; g--) {
                int part = (value >>> (7 * g)) & 0x7f;
                out.write(g == 0 ? part : part | 0x80);
            }
        }
        return tlv(0x06, out.toByteArray());
    }

    private static byte[] integer(BigInteger value) {
        return tlv(0x02, value.toByteArray());
    }

    private static byte[] utf8(String text) {
        return tlv(0x0c, text.getBytes(StandardCharsets.UTF_8));
    }

    private static byte[] ascii(String text) {
        return text.getBytes(StandardCharsets.US_ASCII);
    }

    private static byte[] sequence(byte[]... parts) {
        return tlv(0x30, concat(parts));
    }

    private static byte[] set(byte[]... parts) {
        return tlv(0x31, concat(parts));
    }

    private static byte[] concat(byte[]... parts) {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        for (byte[] part : parts) {
            out.writeBytes(part);
        }
        return out.toByteArray();
    }

    static byte[] tlv(int tag, byte[] content) {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        out.write(tag);
        int length = content.length;
        if (length < 0x80) {
            out.write(length);
        } else {
            int bytes = length > 0xffffff ? 4 : length > 0xffff ? 3 : length > 0xff ? 2 : 1;
            out.write(0x80 | bytes);
            for (int i = bytes - 1; i >= 0; i--) {
                out.write(length >>> (8 * i));
            }
        }
        out.writeBytes(content);
        return out.toByteArray();
    }
}
