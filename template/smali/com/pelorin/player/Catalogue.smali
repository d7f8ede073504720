.class public Lcom/pelorin/player/Catalogue;
.super Ljava/lang/Object;
.source "Catalogue.smali"

# The album's songs as res/raw/songs.json lists them, read natively so that
# the service plays with no page running. Strict JSON (org.json) is tried
# first. The desktop tool writes values unescaped, so a title with a quote
# makes the file invalid; it is then read the way it is written, as the page
# does: a song per "{" ... "}" block, one "key": "value" member per line, the
# value running to the last quote of its line. Indices match the page's.


# of String[5], in the order of KEYS
.field private final songs:Ljava/util/ArrayList;

# sourcePath, songName, singer, album, imagePath
.field private static final KEYS:[Ljava/lang/String;


.method static constructor <clinit>()V
    .registers 4

    const/4 v0, 0x5
    new-array v0, v0, [Ljava/lang/String;

    const/4 v1, 0x0
    const-string v2, "sourcePath"
    aput-object v2, v0, v1
    const/4 v1, 0x1
    const-string v2, "songName"
    aput-object v2, v0, v1
    const/4 v1, 0x2
    const-string v2, "singer"
    aput-object v2, v0, v1
    const/4 v1, 0x3
    const-string v2, "album"
    aput-object v2, v0, v1
    const/4 v1, 0x4
    const-string v2, "imagePath"
    aput-object v2, v0, v1

    sput-object v0, Lcom/pelorin/player/Catalogue;->KEYS:[Ljava/lang/String;

    return-void
.end method


.method private constructor <init>(Ljava/util/ArrayList;)V
    .registers 2

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/Catalogue;->songs:Ljava/util/ArrayList;

    return-void
.end method


# Reads a stream to its end as UTF-8 text and closes it; "" when reading fails.
.method public static readText(Ljava/io/InputStream;)Ljava/lang/String;
    .registers 6

    new-instance v0, Ljava/io/ByteArrayOutputStream;
    invoke-direct {v0}, Ljava/io/ByteArrayOutputStream;-><init>()V
    const/16 v1, 0x2000
    new-array v1, v1, [B
    const/4 v3, 0x0

    :try_start_read
    :read_more
    invoke-virtual {p0, v1}, Ljava/io/InputStream;->read([B)I
    move-result v2
    if-ltz v2, :read_done
    invoke-virtual {v0, v1, v3, v2}, Ljava/io/ByteArrayOutputStream;->write([BII)V
    goto :read_more

    :read_done
    invoke-virtual {p0}, Ljava/io/InputStream;->close()V
    const-string v4, "UTF-8"
    invoke-virtual {v0, v4}, Ljava/io/ByteArrayOutputStream;->toString(Ljava/lang/String;)Ljava/lang/String;
    move-result-object v4
    :try_end_read
    .catch Ljava/io/IOException; {:try_start_read .. :try_end_read} :read_failed

    return-object v4

    :read_failed
    :try_start_close
    invoke-virtual {p0}, Ljava/io/InputStream;->close()V
    :try_end_close
    .catch Ljava/io/IOException; {:try_start_close .. :try_end_close} :close_failed

    :close_failed
    const-string v4, ""
    return-object v4
.end method


# The text of res/raw/songs.json, "" when the package has none.
.method public static text(Landroid/content/Context;)Ljava/lang/String;
    .registers 6

    invoke-virtual {p0}, Landroid/content/Context;->getResources()Landroid/content/res/Resources;
    move-result-object v1
    invoke-virtual {p0}, Landroid/content/Context;->getPackageName()Ljava/lang/String;
    move-result-object v2
    const-string v3, "songs"
    const-string v4, "raw"
    invoke-virtual {v1, v3, v4, v2}, Landroid/content/res/Resources;->getIdentifier(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)I
    move-result v0
    if-eqz v0, :no_catalogue

    invoke-virtual {v1, v0}, Landroid/content/res/Resources;->openRawResource(I)Ljava/io/InputStream;
    move-result-object v0
    invoke-static {v0}, Lcom/pelorin/player/Catalogue;->readText(Ljava/io/InputStream;)Ljava/lang/String;
    move-result-object v0
    return-object v0

    :no_catalogue
    const-string v0, ""
    return-object v0
.end method


# The songs of the package's catalogue; none when it is missing or unreadable.
.method public static load(Landroid/content/Context;)Lcom/pelorin/player/Catalogue;
    .registers 11

    invoke-static {p0}, Lcom/pelorin/player/Catalogue;->text(Landroid/content/Context;)Ljava/lang/String;
    move-result-object v0

    # the file starts with a byte-order mark
    const-string v1, "\ufeff"
    invoke-virtual {v0, v1}, Ljava/lang/String;->startsWith(Ljava/lang/String;)Z
    move-result v1
    if-eqz v1, :no_mark
    const/4 v1, 0x1
    invoke-virtual {v0, v1}, Ljava/lang/String;->substring(I)Ljava/lang/String;
    move-result-object v0
    :no_mark

    # v1: the songs, v2: the array, v3: its length, v4: i, v5: a song's object,
    # v6: its fields, v7: k, v8: KEYS, v9: a value
    new-instance v1, Ljava/util/ArrayList;
    invoke-direct {v1}, Ljava/util/ArrayList;-><init>()V
    sget-object v8, Lcom/pelorin/player/Catalogue;->KEYS:[Ljava/lang/String;

    :try_start_json
    new-instance v2, Lorg/json/JSONArray;
    invoke-direct {v2, v0}, Lorg/json/JSONArray;-><init>(Ljava/lang/String;)V
    :try_end_json
    .catch Lorg/json/JSONException; {:try_start_json .. :try_end_json} :not_json

    invoke-virtual {v2}, Lorg/json/JSONArray;->length()I
    move-result v3
    const/4 v4, 0x0

    :next_song
    if-ge v4, v3, :done
    invoke-virtual {v2, v4}, Lorg/json/JSONArray;->optJSONObject(I)Lorg/json/JSONObject;
    move-result-object v5
    invoke-static {}, Lcom/pelorin/player/Catalogue;->emptySong()[Ljava/lang/String;
    move-result-object v6
    if-eqz v5, :song_read
    const/4 v7, 0x0

    :next_key
    array-length v9, v8
    if-ge v7, v9, :song_read
    aget-object v9, v8, v7
    invoke-virtual {v5, v9}, Lorg/json/JSONObject;->optString(Ljava/lang/String;)Ljava/lang/String;
    move-result-object v9
    invoke-virtual {v9}, Ljava/lang/String;->trim()Ljava/lang/String;
    move-result-object v9
    aput-object v9, v6, v7
    add-int/lit8 v7, v7, 0x1
    goto :next_key

    :song_read
    invoke-virtual {v1, v6}, Ljava/util/ArrayList;->add(Ljava/lang/Object;)Z
    add-int/lit8 v4, v4, 0x1
    goto :next_song

    :not_json
    invoke-static {v0}, Lcom/pelorin/player/Catalogue;->readLines(Ljava/lang/String;)Ljava/util/ArrayList;
    move-result-object v1

    :done
    new-instance v0, Lcom/pelorin/player/Catalogue;
    invoke-direct {v0, v1}, Lcom/pelorin/player/Catalogue;-><init>(Ljava/util/ArrayList;)V
    return-object v0
.end method


.method private static emptySong()[Ljava/lang/String;
    .registers 4

    sget-object v0, Lcom/pelorin/player/Catalogue;->KEYS:[Ljava/lang/String;
    array-length v0, v0
    new-array v1, v0, [Ljava/lang/String;
    const-string v2, ""
    const/4 v3, 0x0

    :fill
    if-ge v3, v0, :filled
    aput-object v2, v1, v3
    add-int/lit8 v3, v3, 0x1
    goto :fill

    :filled
    return-object v1
.end method


# The catalogue read line by line, the way the desktop tool writes it.
.method private static readLines(Ljava/lang/String;)Ljava/util/ArrayList;
    .registers 8

    # v0: the songs, v1: the lines, v2: i, v3: a line, v4: the open song or null
    new-instance v0, Ljava/util/ArrayList;
    invoke-direct {v0}, Ljava/util/ArrayList;-><init>()V
    const-string v1, "\n"
    invoke-virtual {p0, v1}, Ljava/lang/String;->split(Ljava/lang/String;)[Ljava/lang/String;
    move-result-object v1
    const/4 v2, 0x0
    const/4 v4, 0x0

    :next_line
    array-length v5, v1
    if-ge v2, v5, :done
    aget-object v3, v1, v2
    invoke-virtual {v3}, Ljava/lang/String;->trim()Ljava/lang/String;
    move-result-object v3
    add-int/lit8 v2, v2, 0x1

    const-string v5, "{"
    invoke-virtual {v5, v3}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v5
    if-eqz v5, :not_open
    invoke-static {}, Lcom/pelorin/player/Catalogue;->emptySong()[Ljava/lang/String;
    move-result-object v4
    goto :next_line

    :not_open
    const-string v5, "}"
    invoke-virtual {v3, v5}, Ljava/lang/String;->startsWith(Ljava/lang/String;)Z
    move-result v5
    if-eqz v5, :member
    if-eqz v4, :next_line
    invoke-virtual {v0, v4}, Ljava/util/ArrayList;->add(Ljava/lang/Object;)Z
    const/4 v4, 0x0
    goto :next_line

    :member
    if-eqz v4, :next_line
    invoke-static {v3, v4}, Lcom/pelorin/player/Catalogue;->readMember(Ljava/lang/String;[Ljava/lang/String;)V
    goto :next_line

    :done
    return-object v0
.end method


# One line such as "songName": "Say "Hi"", into the song's fields.
.method private static readMember(Ljava/lang/String;[Ljava/lang/String;)V
    .registers 10

    # v0: quote char, v1: end of the key, v2: the key, v3: value start, v4: value end
    const-string v0, "\""
    invoke-virtual {p0, v0}, Ljava/lang/String;->startsWith(Ljava/lang/String;)Z
    move-result v1
    if-eqz v1, :skip

    const/16 v0, 0x22
    const/4 v1, 0x1
    invoke-virtual {p0, v0, v1}, Ljava/lang/String;->indexOf(II)I
    move-result v1
    if-ltz v1, :skip
    const/4 v2, 0x1
    invoke-virtual {p0, v2, v1}, Ljava/lang/String;->substring(II)Ljava/lang/String;
    move-result-object v2

    const/16 v3, 0x3a
    invoke-virtual {p0, v3, v1}, Ljava/lang/String;->indexOf(II)I
    move-result v3
    if-ltz v3, :skip
    invoke-virtual {p0, v0, v3}, Ljava/lang/String;->indexOf(II)I
    move-result v3
    if-ltz v3, :skip
    add-int/lit8 v3, v3, 0x1
    invoke-virtual {p0, v0}, Ljava/lang/String;->lastIndexOf(I)I
    move-result v4
    if-lt v4, v3, :skip
    invoke-virtual {p0, v3, v4}, Ljava/lang/String;->substring(II)Ljava/lang/String;
    move-result-object v3
    invoke-virtual {v3}, Ljava/lang/String;->trim()Ljava/lang/String;
    move-result-object v3

    # v5: KEYS, v6: k, v7: a key
    sget-object v5, Lcom/pelorin/player/Catalogue;->KEYS:[Ljava/lang/String;
    const/4 v6, 0x0
    :next_key
    array-length v7, v5
    if-ge v6, v7, :skip
    aget-object v7, v5, v6
    invoke-virtual {v7, v2}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v7
    if-eqz v7, :other_key
    aput-object v3, p1, v6
    :other_key
    add-int/lit8 v6, v6, 0x1
    goto :next_key

    :skip
    return-void
.end method


.method public count()I
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/Catalogue;->songs:Ljava/util/ArrayList;
    invoke-virtual {v0}, Ljava/util/ArrayList;->size()I
    move-result v0
    return v0
.end method


# Field `which` (0 sourcePath, 1 songName, 2 singer, 3 album, 4 imagePath)
# of a song; "" for an index that names no song.
.method public field(II)Ljava/lang/String;
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/Catalogue;->songs:Ljava/util/ArrayList;
    if-ltz p1, :none
    invoke-virtual {v0}, Ljava/util/ArrayList;->size()I
    move-result v1
    if-ge p1, v1, :none
    invoke-virtual {v0, p1}, Ljava/util/ArrayList;->get(I)Ljava/lang/Object;
    move-result-object v0
    check-cast v0, [Ljava/lang/String;
    aget-object v0, v0, p2
    return-object v0

    :none
    const-string v0, ""
    return-object v0
.end method


# The title, or the audio file's name when the song has none.
.method public title(I)Ljava/lang/String;
    .registers 4

    const/4 v0, 0x1
    invoke-virtual {p0, p1, v0}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v0
    invoke-virtual {v0}, Ljava/lang/String;->length()I
    move-result v1
    if-lez v1, :untitled
    return-object v0

    :untitled
    const/4 v0, 0x0
    invoke-virtual {p0, p1, v0}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v0
    const/16 v1, 0x2f
    invoke-virtual {v0, v1}, Ljava/lang/String;->lastIndexOf(I)I
    move-result v1
    add-int/lit8 v1, v1, 0x1
    invoke-virtual {v0, v1}, Ljava/lang/String;->substring(I)Ljava/lang/String;
    move-result-object v0
    return-object v0
.end method


# What a saved place is matched by at the next start: the song's file and
# title, so a rebuilt album whose songs moved does not resume another song.
.method public identity(I)Ljava/lang/String;
    .registers 5

    new-instance v0, Ljava/lang/StringBuilder;
    invoke-direct {v0}, Ljava/lang/StringBuilder;-><init>()V
    const/4 v1, 0x0
    invoke-virtual {p0, p1, v1}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    const-string v1, "\n"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    const/4 v1, 0x1
    invoke-virtual {p0, p1, v1}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {v0}, Ljava/lang/StringBuilder;->toString()Ljava/lang/String;
    move-result-object v0
    return-object v0
.end method
